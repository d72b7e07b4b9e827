#pragma once

#include <QString>

#include <functional>

namespace qinghe::edition {

// What a worker says about one item.
struct ItemResult {
    int item = 0;
    bool ok = false;
    QString message; // why it failed
};

// Makes one item in a worker process; false with a message when it cannot.
using ItemWork = std::function<bool(int item, QString* message)>;

// Runs items 0 .. count-1 in `workers` forked processes that take the next item from a counter they
// share, so a long item does not hold up the rest. `startWorker` runs first in each worker (to load
// what cannot be shared, such as the speech library) and returns the item function, or an empty one
// with a message when the worker cannot work. `done` runs in this process for every item, in the order
// they finish; items a worker could not report (it failed to start or died) are reported as failed.
// Returns the number of failed items.
int runInWorkers(int count, int workers, const std::function<ItemWork(QString* message)>& startWorker,
                 const std::function<void(const ItemResult&)>& done);

} // namespace qinghe::edition
