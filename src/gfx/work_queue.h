// Jobs done one at a time on a thread of their own, their results taken on
// the caller's thread when it asks: slow work on the player's files (reading,
// decoding) never holds up the frames.
#pragma once
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

template <typename Job, typename Result>
class CWorkQueue {
public:
    // `work` runs on the queue's thread; at most `waiting` results wait to be
    // taken before it pauses.
    explicit CWorkQueue(std::function<Result(const Job&)> work, size_t waiting = 4)
        : m_work(std::move(work)), m_most(waiting)
    {
    }
    ~CWorkQueue()
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_stop = true;
            m_jobs.clear();
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }
    CWorkQueue(const CWorkQueue&) = delete;
    CWorkQueue& operator=(const CWorkQueue&) = delete;

    void Push(Job job)
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_jobs.push_back(std::move(job));
            if (!m_thread.joinable())
                m_thread = std::thread([this] { Run(); });
        }
        m_changed.notify_all();
    }
    // Drops the jobs not yet begun and the results not yet taken.
    void Clear()
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_jobs.clear();
            m_results.clear();
        }
        m_changed.notify_all();
    }
    bool Take(Result& result)
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            if (m_results.empty())
                return false;
            result = std::move(m_results.front());
            m_results.pop_front();
        }
        m_changed.notify_all();
        return true;
    }
    // No job waits or runs (results may wait to be taken).
    bool Done() const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_jobs.empty() && !m_busy;
    }
    // Waits until a result waits or every job is done, at most `ms`.
    void Wait(int ms)
    {
        std::unique_lock<std::mutex> lock(m_lock);
        m_changed.wait_for(lock, std::chrono::milliseconds(ms),
                           [this] { return !m_results.empty() || (m_jobs.empty() && !m_busy); });
    }

private:
    void Run()
    {
        std::unique_lock<std::mutex> lock(m_lock);
        for (;;) {
            m_changed.wait(lock, [this] { return m_stop || (!m_jobs.empty() && m_results.size() < m_most); });
            if (m_stop)
                return;
            Job job = std::move(m_jobs.front());
            m_jobs.pop_front();
            m_busy = true;
            lock.unlock();
            Result result = m_work(job);
            lock.lock();
            m_busy = false;
            if (!m_stop)
                m_results.push_back(std::move(result));
            m_changed.notify_all();
        }
    }

    std::function<Result(const Job&)> m_work;
    const size_t m_most;
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    std::deque<Job> m_jobs;
    std::deque<Result> m_results;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};
