// SPDX-License-Identifier: MIT
#include "ending_signals.h"

#include "system_file_store.h"

#include <atomic>
#include <csignal>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};
int writeEnd = -1;
std::atomic<bool> pending{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void passOn(int signalNumber) {
    if (pending.exchange(true))
        removeTemporaryFilesAndEnd(signalNumber);
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &number, 1);
}

} // namespace

EndingSignals::EndingSignals() {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
        return;
    socket_ = ends[0];
    writeEnd = ends[1];
    pending = false;
    notifier_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, &EndingSignals::deliver);
    struct sigaction handler = {};
    handler.sa_handler = passOn;
    sigemptyset(&handler.sa_mask);
    for (std::size_t i = 0; i < std::size(Signals); ++i)
        ::sigaction(Signals[i], &handler, &previous_[i]);
}

EndingSignals::~EndingSignals() {
    if (socket_ < 0)
        return;
    for (std::size_t i = 0; i < std::size(Signals); ++i)
        ::sigaction(Signals[i], &previous_[i], nullptr);
    notifier_.reset();
    ::close(socket_);
    ::close(writeEnd);
    writeEnd = -1;
}

void EndingSignals::deliver() {
    unsigned char number = 0;
    if (::read(socket_, &number, 1) == 1)
        emit received(number);
}
