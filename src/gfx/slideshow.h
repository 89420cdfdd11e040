// The player's own background pictures as the Background dialog lists them
// and the back wall shows them: the list, each picture's texture, and the
// picture chosen to be shown. Pictures load in the background: a thread of
// the slideshow reads and decodes them, and Poll (on the GL thread, from the
// frame and the dialog's clock) uploads one a call, so that no frame waits
// for a file. The dialog edits the list and chooses the picture; the view
// only draws ShownTexture.
#pragma once
#include "gfx/user_picture.h"
#include "gfx/work_queue.h"

#include <GL/glew.h>

#include <memory>
#include <string>
#include <vector>

class CSlideshow {
public:
    // Stands for one picture of the list in the choice of the next picture
    // (the texture names of the dialog's rules); never 0.
    using Handle = GLuint;
    enum class State { Loading, Ready, Failed };
    struct Picture {
        std::string path;
        Handle handle = 0;
        State state = State::Loading;
        GLuint texture = 0;   // while Ready
        std::string problem;  // while Failed: why, in sentences
    };

    CSlideshow();
    ~CSlideshow();
    CSlideshow(const CSlideshow&) = delete;
    CSlideshow& operator=(const CSlideshow&) = delete;

    int Count() const { return static_cast<int>(m_pictures.size()); }
    const Picture& At(int row) const { return m_pictures[static_cast<size_t>(row)]; }
    // The row of the picture, or Count() for none.
    int RowOf(Handle handle) const;

    // Appends a picture, loading from now on; its handle.
    Handle Append(const std::string& path);
    // Removes a row, freeing its texture; a removed shown picture is shown no more.
    void Remove(int row);
    void Clear();

    // The picture chosen to be shown: a handle, or 0 for none.
    Handle Current() const { return m_current; }
    void SetCurrent(Handle handle) { m_current = handle; }
    // The texture of the chosen picture, or 0 while it is loading, failed, or none is chosen.
    GLuint ShownTexture() const;
    // Whether the back wall shows the chosen picture when the own pictures
    // are on: when the chosen picture is loaded, and with an empty list (a
    // bare wall); not while the one to show has not loaded.
    bool ShowsOwnPicture() const;
    // Whether a picture is still loading.
    bool Loading() const;

    // On the GL thread: takes the pictures made ready or refused since the
    // last call, uploading at most `uploads` of them. Whether anything changed.
    bool Poll(int uploads = 1);
    // Polls until no picture is loading, at most `ms` (for a caller that must
    // have the pictures now: tests, tools).
    void LoadAll(int ms);

private:
    struct Job {
        Handle handle;
        std::string path;
    };
    struct Result {
        Handle handle = 0;
        bool ok = false;
        PreparedPicture picture;
        std::string problem;
    };
    Picture* Find(Handle handle);
    static void Free(Picture& picture);

    std::vector<Picture> m_pictures;
    Handle m_current = 0;
    Handle m_next = 1;
    std::unique_ptr<CWorkQueue<Job, Result>> m_queue;
};
