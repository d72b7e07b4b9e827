#include "tool_process.h"

#include <QByteArray>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace qinghe::edition {

bool runTool(const QString& program, const QStringList& arguments, QString* error) {
    const auto fail = [&](const QString& message) {
        if (error != nullptr) {
            *error = program + QStringLiteral(": ") + message;
        }
        return false;
    };
    std::vector<QByteArray> storage{program.toLocal8Bit()};
    for (const QString& argument : arguments) {
        storage.push_back(argument.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (QByteArray& item : storage) {
        argv.push_back(item.data());
    }
    argv.push_back(nullptr);

    int errors[2];
    if (::pipe(errors) != 0) {
        return fail(QStringLiteral("no pipe"));
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errors[1], 2);
    posix_spawn_file_actions_addclose(&actions, errors[0]);
    posix_spawn_file_actions_addclose(&actions, errors[1]);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(errors[1]);
    QByteArray output;
    if (spawned == 0) {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(errors[0], buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            if (output.size() < 65536) {
                output.append(buffer, n);
            }
        }
    }
    ::close(errors[0]);
    if (spawned != 0) {
        return fail(QStringLiteral("cannot be started (%1)").arg(QString::fromLocal8Bit(strerror(spawned))));
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return fail(QString::fromLocal8Bit(output).trimmed());
    }
    return true;
}

} // namespace qinghe::edition
