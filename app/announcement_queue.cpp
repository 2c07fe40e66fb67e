#include "app/announcement_queue.h"

#include <utility>

namespace app {

AnnouncementQueue::~AnnouncementQueue() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.clear();
    }
    changed_.notify_all();
    if (worker_.joinable()) worker_.join();
}

void AnnouncementQueue::Announce(std::vector<sticker::Action> actions) {
    if (actions.empty()) return;
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
        for (sticker::Action& action : actions) pending_.push_back(std::move(action));
        if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
    }
    changed_.notify_all();
}

void AnnouncementQueue::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return (pending_.empty() && !busy_) || stopping_; });
}

void AnnouncementQueue::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !pending_.empty() || stopping_; });
        if (stopping_) return;
        const sticker::Action action = std::move(pending_.front());
        pending_.pop_front();
        busy_ = true;
        lock.unlock();
        sticker::PlayActions({&action, 1}, voice_, sound_);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

}  // namespace app
