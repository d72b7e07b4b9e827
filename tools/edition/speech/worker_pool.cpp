#include "worker_pool.h"

#include <QByteArray>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <new>
#include <poll.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace qinghe::edition {

namespace {

// A report on the pipe: item, ok flag, message length, then the UTF-8 message.
struct ReportHeader {
    std::int32_t item;
    std::int32_t ok;
    std::int32_t length;
};

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

void report(int fd, int item, bool ok, const QString& message) {
    const QByteArray text = message.toUtf8();
    const ReportHeader header{item, ok ? 1 : 0, std::int32_t(text.size())};
    QByteArray bytes(reinterpret_cast<const char*>(&header), sizeof header);
    bytes += text;
    writeAll(fd, bytes.constData(), std::size_t(bytes.size()));
}

[[noreturn]] void workerMain(int fd, std::atomic<int>& next, int count,
                             const std::function<ItemWork(QString*)>& startWorker) {
    QString message;
    const ItemWork work = startWorker(&message);
    if (!work) {
        report(fd, -1, false, message);
        ::_exit(1);
    }
    for (;;) {
        const int item = next.fetch_add(1);
        if (item >= count) {
            break;
        }
        message.clear();
        const bool ok = work(item, &message);
        report(fd, item, ok, message);
    }
    // _exit: the worker shares the parent's objects and must not run their destructors.
    ::_exit(0);
}

struct Worker {
    pid_t pid = -1;
    int fd = -1;
    QByteArray pending;
};

} // namespace

int runInWorkers(int count, int workers, const std::function<ItemWork(QString* message)>& startWorker,
                 const std::function<void(const ItemResult&)>& done) {
    if (count <= 0) {
        return 0;
    }
    workers = std::max(1, std::min(workers, count));
    void* shared =
        ::mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        for (int i = 0; i < count; ++i) {
            done({i, false, QStringLiteral("no shared memory for the workers")});
        }
        return count;
    }
    auto* next = new (shared) std::atomic<int>(0);

    std::vector<Worker> pool;
    for (int w = 0; w < workers; ++w) {
        int fds[2];
        if (::pipe(fds) != 0) {
            break;
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            for (const Worker& other : pool) {
                ::close(other.fd);
            }
            workerMain(fds[1], *next, count, startWorker);
        }
        ::close(fds[1]);
        if (pid < 0) {
            ::close(fds[0]);
            break;
        }
        pool.push_back({pid, fds[0], {}});
    }

    std::vector<bool> reported(std::size_t(count), false);
    int failed = 0;
    QString workerProblem;
    const auto deliver = [&](const ItemResult& result) {
        if (result.item < 0 || result.item >= count || reported[std::size_t(result.item)]) {
            if (result.item < 0 && workerProblem.isEmpty()) {
                workerProblem = result.message;
            }
            return;
        }
        reported[std::size_t(result.item)] = true;
        failed += result.ok ? 0 : 1;
        done(result);
    };

    std::size_t open = pool.size();
    while (open > 0) {
        std::vector<pollfd> polls;
        for (const Worker& worker : pool) {
            if (worker.fd >= 0) {
                polls.push_back({worker.fd, POLLIN, 0});
            }
        }
        if (::poll(polls.data(), polls.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        for (Worker& worker : pool) {
            if (worker.fd < 0) {
                continue;
            }
            const auto polled =
                std::find_if(polls.begin(), polls.end(), [&](const pollfd& p) { return p.fd == worker.fd; });
            if (polled == polls.end() || polled->revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t n = ::read(worker.fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                ::close(worker.fd);
                worker.fd = -1;
                --open;
                continue;
            }
            worker.pending.append(buffer, n);
            while (std::size_t(worker.pending.size()) >= sizeof(ReportHeader)) {
                ReportHeader header{};
                std::memcpy(&header, worker.pending.constData(), sizeof header);
                const qsizetype total = qsizetype(sizeof header) + header.length;
                if (worker.pending.size() < total) {
                    break;
                }
                const QString message = QString::fromUtf8(worker.pending.mid(sizeof header, header.length));
                worker.pending.remove(0, total);
                deliver({header.item, header.ok != 0, message});
            }
        }
    }
    for (Worker& worker : pool) {
        if (worker.fd >= 0) {
            ::close(worker.fd);
        }
        int status = 0;
        while (::waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    ::munmap(shared, sizeof(std::atomic<int>));

    const QString lost =
        workerProblem.isEmpty() ? QStringLiteral("its worker stopped before making it") : workerProblem;
    for (int i = 0; i < count; ++i) {
        if (!reported[std::size_t(i)]) {
            reported[std::size_t(i)] = true;
            ++failed;
            done({i, false, lost});
        }
    }
    return failed;
}

} // namespace qinghe::edition
