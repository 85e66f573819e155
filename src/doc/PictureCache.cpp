#include "doc/PictureCache.h"

#include <wx/app.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <algorithm>
#include <cstring>
#include <system_error>
#include <tuple>

namespace {

// A copy that shares nothing with the original: pixels, alpha and mask
// colour only, so no reference count (image, palette, options) is shared.
wxImage Unshared(const wxImage& image) {
    if (!image.IsOk()) {
        return wxImage();
    }
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    const size_t pixels = static_cast<size_t>(width) * height;
    wxImage copy(width, height, false);
    std::memcpy(copy.GetData(), image.GetData(), pixels * 3);
    if (image.HasAlpha()) {
        copy.InitAlpha();
        std::memcpy(copy.GetAlpha(), image.GetAlpha(), pixels);
    }
    if (image.HasMask()) {
        copy.SetMaskColour(image.GetMaskRed(), image.GetMaskGreen(), image.GetMaskBlue());
    }
    return copy;
}

size_t ImageBytes(const wxImage& image) {
    if (!image.IsOk()) {
        return 0;
    }
    const size_t pixels = static_cast<size_t>(image.GetWidth()) * image.GetHeight();
    return pixels * (image.HasAlpha() ? 4 : 3);
}

}  // namespace

void EnsureImageHandlers() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxInitAllImageHandlers();
    }
}

wxSize FittedSize(const wxSize& pictureSize, const wxSize& area) {
    const float scale = std::min(static_cast<float>(area.x) / pictureSize.x,
                                 static_cast<float>(area.y) / pictureSize.y);
    return wxSize(std::min(area.x, static_cast<int>(pictureSize.x * scale)),
                  std::min(area.y, static_cast<int>(pictureSize.y * scale)));
}

wxImage ReadPictureFile(const wxString& strPath) {
    if (strPath.empty() || !wxFileName::FileExists(strPath) ||
        !wxFile::Access(strPath, wxFile::read)) {
        return wxImage();
    }
    wxImage picture;
    {
        wxLogNull quiet;
        if (!picture.LoadFile(strPath, wxBITMAP_TYPE_ANY)) {
            return wxImage();
        }
    }
    if (!picture.IsOk() || picture.GetWidth() <= 0 || picture.GetHeight() <= 0) {
        return wxImage();
    }
    return picture;
}

bool CPictureCache::CKey::operator<(const CKey& other) const {
    return std::tie(strPath, nWidth, nHeight) <
           std::tie(other.strPath, other.nWidth, other.nHeight);
}

CPictureCache::CPictureCache(size_t nBudgetBytes) : m_nBudget(nBudgetBytes) {}

CPictureCache::~CPictureCache() {
    Clear();
}

bool CPictureCache::ReadStamp(const wxString& strPath, CStamp& stamp) {
    if (strPath.empty() || !wxFileName::FileExists(strPath) ||
        !wxFile::Access(strPath, wxFile::read)) {
        return false;
    }
    const std::filesystem::path path(std::string(strPath.fn_str().data()));
    std::error_code error;
    stamp.nSize = std::filesystem::file_size(path, error);
    if (error) {
        return false;
    }
    stamp.mtime = std::filesystem::last_write_time(path, error);
    return !error;
}

wxImage CPictureCache::Decode(const CKey& key) {
    ++m_nDecodes;
    wxImage picture = ReadPictureFile(key.strPath);
    if (!picture.IsOk()) {
        return wxImage();
    }
    const wxSize size = FittedSize(picture.GetSize(), wxSize(key.nWidth, key.nHeight));
    if (size.x <= 0 || size.y <= 0) {
        return wxImage();
    }
    if (picture.GetSize() != size) {
        picture = picture.Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH);
    }
    return Unshared(picture);
}

CPictureCache::CEntry* CPictureCache::Fresh(const CKey& key, const CStamp& stamp) {
    const auto it = m_entries.find(key);
    if (it == m_entries.end() || !(it->second.stamp == stamp)) {
        return nullptr;
    }
    it->second.nLastUse = ++m_nUses;
    return &it->second;
}

void CPictureCache::Store(const CKey& key, const CStamp& stamp, const wxImage& image) {
    const size_t bytes = ImageBytes(image);
    if (const auto it = m_entries.find(key); it != m_entries.end()) {
        m_nBytes -= it->second.nBytes;
        m_entries.erase(it);
    }
    // One picture larger than the whole budget would push out all others.
    if (bytes > m_nBudget) {
        return;
    }
    CEntry& entry = m_entries[key];
    entry.stamp = stamp;
    entry.image = image;
    entry.nBytes = bytes;
    entry.nLastUse = ++m_nUses;
    m_nBytes += bytes;
    while (m_nBytes > m_nBudget) {
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->second.nBytes > 0 &&
                (oldest == m_entries.end() || it->second.nLastUse < oldest->second.nLastUse)) {
                oldest = it;
            }
        }
        m_nBytes -= oldest->second.nBytes;
        m_entries.erase(oldest);
    }
}

wxImage CPictureCache::Fitted(const wxString& strPath, const wxSize& area) {
    EnsureImageHandlers();
    const CKey key{strPath, area.x, area.y};
    CStamp stamp;
    if (area.x <= 0 || area.y <= 0 || !ReadStamp(strPath, stamp)) {
        return wxImage();
    }
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (const CEntry* entry = Fresh(key, stamp)) {
            return Unshared(entry->image);
        }
        if (!m_busy.contains(key)) {
            break;
        }
        m_decoded.wait(lock);
    }
    m_busy.insert(key);
    lock.unlock();
    wxImage fitted = Decode(key);
    lock.lock();
    m_busy.erase(key);
    Store(key, stamp, fitted);
    m_decoded.notify_all();
    // The stored image now shares this one's data: both references stay
    // under the mutex, and the caller gets a copy of its own.
    wxImage shown = Unshared(fitted);
    fitted = wxImage();
    return shown;
}

bool CPictureCache::IsReady(const wxString& strPath, const wxSize& area) {
    const CKey key{strPath, area.x, area.y};
    CStamp stamp;
    if (area.x <= 0 || area.y <= 0 || !ReadStamp(strPath, stamp)) {
        return true;
    }
    std::lock_guard lock(m_mutex);
    if (Fresh(key, stamp) != nullptr) {
        return true;
    }
    if (m_busy.contains(key)) {
        return false;
    }
    return std::find(m_queue.begin(), m_queue.end(), key) == m_queue.end();
}

void CPictureCache::Prefetch(const std::vector<wxString>& paths, const wxSize& area) {
    // The worker must find the handlers registered.
    EnsureImageHandlers();
    if (area.x <= 0 || area.y <= 0) {
        return;
    }
    std::unique_lock lock(m_mutex);
    m_queue.clear();
    for (const wxString& path : paths) {
        m_queue.push_back(CKey{path, area.x, area.y});
    }
    if (m_bWorking || m_queue.empty()) {
        return;
    }
    lock.unlock();
    // A worker that ran out of files may still be returning.
    if (m_worker.joinable()) {
        m_worker.join();
    }
    lock.lock();
    m_bWorking = true;
    m_worker = std::thread([this] { Work(); });
}

void CPictureCache::Work() {
    for (;;) {
        CKey key;
        {
            std::lock_guard lock(m_mutex);
            if (m_bStop || m_queue.empty()) {
                m_bWorking = false;
                return;
            }
            key = m_queue.front();
            m_queue.pop_front();
        }
        CStamp stamp;
        if (!ReadStamp(key.strPath, stamp)) {
            continue;
        }
        {
            std::lock_guard lock(m_mutex);
            if (m_bStop) {
                m_bWorking = false;
                return;
            }
            if (Fresh(key, stamp) || m_busy.contains(key)) {
                continue;
            }
            m_busy.insert(key);
        }
        wxImage fitted = Decode(key);
        std::lock_guard lock(m_mutex);
        m_busy.erase(key);
        // Once the budget is full, fetching further ahead would only push
        // out the pictures fetched for the screens before. This one is kept:
        // the show may be waiting for it.
        const bool full = m_nBytes + ImageBytes(fitted) >= m_nBudget;
        Store(key, stamp, fitted);
        fitted = wxImage();
        m_decoded.notify_all();
        // The show draws its screens ahead when idle: one may be waiting for this picture.
        wxWakeUpIdle();
        if (full) {
            m_bWorking = false;
            return;
        }
    }
}

void CPictureCache::StopWorker() {
    m_bStop = true;
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_bStop = false;
}

void CPictureCache::Clear() {
    StopWorker();
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_entries.clear();
    m_nBytes = 0;
}

size_t CPictureCache::CachedBytes() const {
    std::lock_guard lock(m_mutex);
    return m_nBytes;
}
