#pragma once
// Plays the chimes' sounds and speaks their sentences on one worker thread, so that the window
// that asked for them goes on ticking, repainting and moving while they play.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "sticker/chime.h"

namespace app {

class AnnouncementQueue final : public sticker::Announcer {
public:
    AnnouncementQueue(sticker::Voice& voice, sticker::SoundPlayer& sound)
        : voice_(voice), sound_(sound) {}
    // What has not begun is dropped; what is playing is let finish, as no service can be cut
    // short safely.
    ~AnnouncementQueue() override;
    AnnouncementQueue(const AnnouncementQueue&) = delete;
    AnnouncementQueue& operator=(const AnnouncementQueue&) = delete;

    // Queues one tick's actions behind those queued before: they play one at a time, in order.
    void Announce(std::vector<sticker::Action> actions) override;
    // Returns once everything queued so far has played.
    void WaitUntilIdle();

private:
    void Run();

    sticker::Voice& voice_;
    sticker::SoundPlayer& sound_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<sticker::Action> pending_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread worker_;  // started by the first announcement: most runs of a day have a few
};

}  // namespace app
