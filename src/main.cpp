#include "app/application.h"

int main(int argc, char** argv) { return qinghe::runApplication(argc, argv); }
