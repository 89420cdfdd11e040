// The player's own music as the Music dialog lists it: the tracks in order
// and what is known of each (not yet looked at, playable, or not playable
// now and why). A thread of the playlist looks at every track's file when
// asked (CheckAll), so that a list of any length is checked without holding
// up the game; Poll takes the findings on the caller's thread.
#pragma once
#include "gfx/work_queue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CPlaylist {
public:
    enum class State { Unknown, Playable, Failed };
    struct Track {
        std::string path;
        uint64_t id = 0;
        State state = State::Unknown;
        std::string problem;  // while Failed: why, in sentences
    };

    // `check` says why a file cannot be played ("" when it can); by default
    // the media layer's look at the file.
    explicit CPlaylist(std::string (*check)(const char* path) = nullptr);
    ~CPlaylist();
    CPlaylist(const CPlaylist&) = delete;
    CPlaylist& operator=(const CPlaylist&) = delete;

    int Count() const { return static_cast<int>(m_tracks.size()); }
    const Track& At(int row) const { return m_tracks[static_cast<size_t>(row)]; }
    bool Failed(int row) const { return row >= 0 && row < Count() && At(row).state == State::Failed; }

    void Append(const std::string& path);
    void Remove(int row);
    void Clear();
    void MarkFailed(int row, const std::string& why);
    void MarkPlayable(int row);

    // Looks at every track not yet looked at, in the background.
    void CheckAll();
    // Whether tracks are still being looked at.
    bool Checking() const;
    // Takes the findings so far; the rows that were found not playable.
    std::vector<int> Poll();
    // Polls until nothing is being looked at, at most `ms` (tests, tools).
    std::vector<int> CheckAllNow(int ms);

private:
    struct Job {
        uint64_t id;
        std::string path;
    };
    struct Result {
        uint64_t id = 0;
        std::string problem;
    };
    int RowOf(uint64_t id) const;
    void Reindex();

    std::vector<Track> m_tracks;
    std::unordered_map<uint64_t, size_t> m_rows;  // id -> row
    uint64_t m_next = 1;
    std::unordered_set<uint64_t> m_asked;  // tracks being looked at
    std::unique_ptr<CWorkQueue<Job, Result>> m_queue;
};
