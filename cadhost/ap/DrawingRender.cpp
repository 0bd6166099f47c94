#include "DrawingRender.h"

#include "dbdict.h"
#include "dbobjptr.h"
#include "giregen.h"
#include "gisvg.h"

#include <algorithm>
#include <cwctype>

namespace cadhost {
namespace {
constexpr std::wstring_view kModelTab = L"Model";

bool isModelTab(std::wstring_view name)
{
    return std::equal(name.begin(), name.end(), kModelTab.begin(), kModelTab.end(),
                      [](wchar_t a, wchar_t b) { return std::towupper(a) == std::towupper(b); });
}

Acad::ErrorStatus findLayout(AcDbDatabase* database, const std::wstring& name, AcDbObjectId& layoutId)
{
    AcDbDictionary* layouts = nullptr;
    Acad::ErrorStatus status = database->getLayoutDictionary(layouts, AcDb::kForRead);
    if (status != Acad::eOk)
        return status;
    status = layouts->getAt(name.c_str(), layoutId);
    layouts->close();
    return status;
}

class ScopedLock {
public:
    explicit ScopedLock(AcApDocument* document)
        : m_document(acDocManager->lockDocument(document, AcAp::kWrite) == Acad::eOk ? document : nullptr)
    {
    }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;
    ~ScopedLock()
    {
        if (m_document != nullptr)
            acDocManager->unlockDocument(m_document);
    }

private:
    AcApDocument* m_document;
};

// Closes the document it was given when the scope ends.
class ScopedDocument {
public:
    explicit ScopedDocument(AcApDocument* document) : m_document(document) {}
    ScopedDocument(const ScopedDocument&) = delete;
    ScopedDocument& operator=(const ScopedDocument&) = delete;
    ~ScopedDocument() { acDocManager->closeDocument(m_document); }

private:
    AcApDocument* m_document;
};
} // namespace

Acad::ErrorStatus renderDocument(AcApDocument* document, const RenderOptions& options, AcGiRecording& recording)
{
    Acad::ErrorStatus status = acDocManager->setCurDocument(document);
    if (status != Acad::eOk)
        return status;
    ScopedLock lock(document);
    AcDbDatabase* database = document->database();
    recording.plotGeneration = options.plot;
    if (options.layout.empty() || isModelTab(options.layout)) {
        if ((status = database->setTilemode(true)) != Acad::eOk)
            return status;
        AcGePoint3d viewMin;
        AcGePoint3d viewMax;
        document->getModelView(viewMin, viewMax);
        return acgiRegenModelSpace(database, viewMin, viewMax, recording);
    }
    AcDbObjectId layoutId;
    if ((status = findLayout(database, options.layout, layoutId)) != Acad::eOk)
        return status;
    if ((status = document->setActiveLayout(layoutId)) != Acad::eOk ||
        (status = database->setTilemode(false)) != Acad::eOk)
        return status;
    return acgiRegenLayout(database, layoutId, recording);
}

Acad::ErrorStatus renderDrawingFile(const std::wstring& drawing, const std::wstring& picture,
                                    const RenderOptions& options)
{
    Acad::ErrorStatus status = acDocManager->appContextOpenDocument(drawing.c_str());
    if (status != Acad::eOk)
        return status;
    AcApDocument* document = acDocManager->curDocument();
    ScopedDocument opened(document);
    AcGiRecording recording;
    if ((status = renderDocument(document, options, recording)) != Acad::eOk)
        return status;
    return acgiWriteSvgFile(recording, picture.c_str());
}
} // namespace cadhost
