// The show's pictures, decoded once and kept scaled to the show area, so a
// picture screen costs a copy instead of a decode and a high-quality scale.
#pragma once

#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/string.h>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

// Registers the image handlers once. Call it on the UI thread: wx's handler
// list is not guarded against threads.
void EnsureImageHandlers();

// The size a picture of pictureSize is drawn at in area: scaled by the smaller
// of the two factors, kept in its aspect, bounded by the area.
wxSize FittedSize(const wxSize& pictureSize, const wxSize& area);

// The picture in the file, decoded; invalid when the file is missing,
// unreadable, not a picture or without pixels. Nothing is reported: the show
// says so on its screen.
wxImage ReadPictureFile(const wxString& strPath);

// Fitted pictures by file and area. Only the fitted images are kept, never
// the decoded originals (one 4000x3000 photo decoded is 36 MB), and at most
// a byte budget of them; the least recently used go first.
//
// wxImage counts its references without atomics, so no image is shared with
// the worker thread outside the mutex, and Fitted hands out copies of its own.
// Call Fitted, Prefetch and Clear on the UI thread.
class CPictureCache {
  public:
    // 96 MB: some dozen pictures fitted to a full HD screen.
    static constexpr size_t kDefaultBudget = size_t{96} * 1024 * 1024;

    explicit CPictureCache(size_t nBudgetBytes = kDefaultBudget);
    ~CPictureCache();
    CPictureCache(const CPictureCache&) = delete;
    CPictureCache& operator=(const CPictureCache&) = delete;

    // The picture of the file scaled to fit area with high quality, as the
    // show draws it; invalid when the file is missing, unreadable, not a
    // picture, has no pixels or fits in no whole pixel. A file whose size or
    // modification time changed since it was cached is read again; one the
    // worker is reading now is waited for, not read twice.
    wxImage Fitted(const wxString& strPath, const wxSize& area);
    // Reads and fits these files in order on one worker thread, skipping
    // those already cached; replaces what an earlier call had not reached.
    void Prefetch(const std::vector<wxString>& paths, const wxSize& area);
    // Whether Fitted would answer without waiting for the worker: false while
    // the file is queued or being read for this area.
    bool IsReady(const wxString& strPath, const wxSize& area);
    // Stops the worker after the file it is on and drops every picture.
    void Clear();

    // How many files were decoded (for tests and measuring).
    int DecodeCount() const { return m_nDecodes.load(); }
    // The bytes of fitted pictures held.
    size_t CachedBytes() const;

  private:
    struct CKey {
        wxString strPath;
        int nWidth = 0;
        int nHeight = 0;
        bool operator<(const CKey& other) const;
        bool operator==(const CKey& other) const = default;
    };
    // What tells a changed file: its size and modification time.
    struct CStamp {
        std::uintmax_t nSize = 0;
        std::filesystem::file_time_type mtime;
        bool operator==(const CStamp&) const = default;
    };
    struct CEntry {
        CStamp stamp;
        wxImage image;  // invalid: the file could not be shown
        size_t nBytes = 0;
        std::uint64_t nLastUse = 0;
    };

    static bool ReadStamp(const wxString& strPath, CStamp& stamp);
    wxImage Decode(const CKey& key);
    // With the mutex held: keeps the image (taking no reference of the
    // caller's along) and drops the least recently used over the budget.
    void Store(const CKey& key, const CStamp& stamp, const wxImage& image);
    // With the mutex held: the cached entry for this file state, or null.
    CEntry* Fresh(const CKey& key, const CStamp& stamp);
    void Work();
    void StopWorker();

    const size_t m_nBudget;
    mutable std::mutex m_mutex;
    std::condition_variable m_decoded;  // a file left m_busy
    std::map<CKey, CEntry> m_entries;
    std::set<CKey> m_busy;  // files being decoded, by either thread
    std::deque<CKey> m_queue;
    size_t m_nBytes = 0;
    std::uint64_t m_nUses = 0;
    std::thread m_worker;
    bool m_bWorking = false;
    std::atomic<bool> m_bStop{false};
    std::atomic<int> m_nDecodes{0};
};
