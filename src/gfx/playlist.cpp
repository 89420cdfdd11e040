#include "gfx/playlist.h"

#include "platform/media_player.h"

#include <chrono>
#include <limits>

CPlaylist::CPlaylist(std::string (*check)(const char* path))
{
    if (!check)
        check = CheckMusicFile;
    m_queue = std::make_unique<CWorkQueue<Job, Result>>(
        [check](const Job& job) { return Result{job.id, check(job.path.c_str())}; },
        std::numeric_limits<size_t>::max());
}

CPlaylist::~CPlaylist() = default;

int CPlaylist::RowOf(uint64_t id) const
{
    const auto it = m_rows.find(id);
    return it == m_rows.end() ? -1 : static_cast<int>(it->second);
}

void CPlaylist::Reindex()
{
    m_rows.clear();
    for (size_t i = 0; i < m_tracks.size(); ++i)
        m_rows.emplace(m_tracks[i].id, i);
}

void CPlaylist::Append(const std::string& path)
{
    Track track;
    track.path = path;
    track.id = m_next++;
    m_rows.emplace(track.id, m_tracks.size());
    m_tracks.push_back(std::move(track));
}

void CPlaylist::Remove(int row)
{
    if (row < 0 || row >= Count())
        return;
    m_asked.erase(At(row).id);
    m_tracks.erase(m_tracks.begin() + row);
    Reindex();
}

void CPlaylist::Clear()
{
    m_queue->Clear();
    m_asked.clear();
    m_tracks.clear();
    m_rows.clear();
}

void CPlaylist::MarkFailed(int row, const std::string& why)
{
    if (row < 0 || row >= Count())
        return;
    m_tracks[static_cast<size_t>(row)].state = State::Failed;
    m_tracks[static_cast<size_t>(row)].problem = why;
}

void CPlaylist::MarkPlayable(int row)
{
    if (row < 0 || row >= Count())
        return;
    m_tracks[static_cast<size_t>(row)].state = State::Playable;
    m_tracks[static_cast<size_t>(row)].problem.clear();
}

void CPlaylist::CheckAll()
{
    for (const Track& track : m_tracks)
        if (track.state == State::Unknown && m_asked.insert(track.id).second)
            m_queue->Push(Job{track.id, track.path});
}

bool CPlaylist::Checking() const { return !m_asked.empty(); }

std::vector<int> CPlaylist::Poll()
{
    std::vector<int> failed;
    Result result;
    while (m_queue->Take(result)) {
        if (m_asked.erase(result.id) == 0)
            continue;  // removed meanwhile
        const int row = RowOf(result.id);
        if (row < 0 || At(row).state != State::Unknown)
            continue;  // removed or tried meanwhile
        if (result.problem.empty()) {
            MarkPlayable(row);
        } else {
            MarkFailed(row, result.problem);
            failed.push_back(row);
        }
    }
    return failed;
}

std::vector<int> CPlaylist::CheckAllNow(int ms)
{
    CheckAll();
    std::vector<int> failed;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (Checking() && std::chrono::steady_clock::now() < until) {
        m_queue->Wait(50);
        for (int row : Poll())
            failed.push_back(row);
    }
    return failed;
}
