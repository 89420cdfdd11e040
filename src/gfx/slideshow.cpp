#include "gfx/slideshow.h"

#include <algorithm>
#include <chrono>

CSlideshow::CSlideshow()
    : m_queue(std::make_unique<CWorkQueue<Job, Result>>(
          [](const Job& job) {
              Result result;
              result.handle = job.handle;
              result.ok = PreparePicture(job.path.c_str(), kLargestPictureSide, &result.picture, &result.problem);
              return result;
          },
          2))
{
}

CSlideshow::~CSlideshow()
{
    m_queue.reset();  // the thread ends before the pictures go
    for (Picture& p : m_pictures)
        Free(p);
}

void CSlideshow::Free(Picture& picture)
{
    DeletePictureTexture(picture.texture);
    picture.texture = 0;
}

int CSlideshow::RowOf(Handle handle) const
{
    for (int row = 0; row < Count(); ++row)
        if (m_pictures[static_cast<size_t>(row)].handle == handle)
            return row;
    return Count();
}

CSlideshow::Picture* CSlideshow::Find(Handle handle)
{
    const int row = RowOf(handle);
    return row < Count() ? &m_pictures[static_cast<size_t>(row)] : nullptr;
}

CSlideshow::Handle CSlideshow::Append(const std::string& path)
{
    Picture picture;
    picture.path = path;
    picture.handle = m_next++;
    if (m_next == 0)
        m_next = 1;
    m_pictures.push_back(picture);
    m_queue->Push(Job{picture.handle, path});
    return picture.handle;
}

void CSlideshow::Remove(int row)
{
    if (row < 0 || row >= Count())
        return;
    Picture& p = m_pictures[static_cast<size_t>(row)];
    if (p.handle == m_current)
        m_current = 0;
    Free(p);
    m_pictures.erase(m_pictures.begin() + row);
}

void CSlideshow::Clear()
{
    m_queue->Clear();
    for (Picture& p : m_pictures)
        Free(p);
    m_pictures.clear();
    m_current = 0;
}

GLuint CSlideshow::ShownTexture() const
{
    const int row = RowOf(m_current);
    return row < Count() && At(row).state == State::Ready ? At(row).texture : 0;
}

bool CSlideshow::ShowsOwnPicture() const { return m_pictures.empty() || ShownTexture() != 0; }

bool CSlideshow::Loading() const
{
    return std::any_of(m_pictures.begin(), m_pictures.end(),
                       [](const Picture& p) { return p.state == State::Loading; });
}

bool CSlideshow::Poll(int uploads)
{
    bool changed = false;
    Result result;
    while (uploads > 0 && m_queue->Take(result)) {
        Picture* p = Find(result.handle);
        if (!p || p->state != State::Loading)
            continue;  // removed meanwhile
        changed = true;
        if (result.ok) {
            p->texture = UploadPicture(result.picture);
            --uploads;
            if (p->texture) {
                p->state = State::Ready;
                continue;
            }
            result.problem = "The picture cannot be made into a texture (too little memory for it).";
        }
        p->state = State::Failed;
        p->problem = result.problem;
    }
    return changed;
}

void CSlideshow::LoadAll(int ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (Loading() && std::chrono::steady_clock::now() < until) {
        m_queue->Wait(50);
        Poll(1000);
    }
}
