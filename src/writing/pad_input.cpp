#include "writing/pad_input.h"

#include "writing/focus_insert.h"

#include <QApplication>
#include <QWidget>

namespace qinghe {

PadInput::PadInput(QString serverName, int peerTimeoutMs, QObject* parent)
    : QObject(parent)
    , server_(
          std::move(serverName), peerTimeoutMs, [this](const PadMessage& m) { return answer(m); }, this) {
    if (QWidget* focused = QApplication::focusWidget()) {
        lastWindow_ = focused->window();
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr) {
            lastWindow_ = now->window();
        }
    });
}

bool PadInput::listen() {
    return server_.listen();
}

QWidget* PadInput::targetField() const {
    if (QWidget* focused = QApplication::focusWidget()) {
        return focused;
    }
    if (lastWindow_ && lastWindow_->isVisible()) {
        return lastWindow_->focusWidget();
    }
    return nullptr;
}

QByteArray PadInput::answer(const PadMessage& message) {
    switch (message.kind) {
    case PadMessage::Kind::Character: {
        const bool inserted = insertIntoTextField(targetField(), message.text);
        Q_EMIT characterReceived(message.text, inserted);
        return {};
    }
    case PadMessage::Kind::BookQuery:
        return padLine(PadMessage::Kind::Book, book_);
    case PadMessage::Kind::Ping:
        return padLine(PadMessage::Kind::Pong);
    default:
        return {};
    }
}

} // namespace qinghe
