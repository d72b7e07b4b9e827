#pragma once

#include <QEvent>
#include <QObject>

#include <functional>
#include <utility>

namespace qinghe {

// Calls `seen` whenever `target` receives an event of `type`, for as long as the watch lives. The event
// goes on to the target as usual.
class EventWatch : public QObject {
public:
    EventWatch(QObject& target, QEvent::Type type, std::function<void()> seen)
        : target_(target)
        , type_(type)
        , seen_(std::move(seen)) {
        target_.installEventFilter(this);
    }
    ~EventWatch() override { target_.removeEventFilter(this); }
    EventWatch(const EventWatch&) = delete;
    EventWatch& operator=(const EventWatch&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &target_ && event->type() == type_) {
            seen_();
        }
        return false;
    }

private:
    QObject& target_;
    QEvent::Type type_;
    std::function<void()> seen_;
};

} // namespace qinghe
