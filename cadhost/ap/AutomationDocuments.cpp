#include "AutomationDocuments.h"

#include "AcApDocumentImp.h"

#include <utility>

namespace {
long gLiveObjects = 0;

// Reference counting: an object starts with the reference of the caller that receives it and deletes
// itself on its last release.
template <class Interface> class CountedObject : public Interface {
public:
    explicit CountedObject(const IID& iid) : m_iid(iid) { ++gLiveObjects; }
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;
    virtual ~CountedObject() { --gLiveObjects; }

    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, m_iid)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

private:
    const IID& m_iid;
    ULONG m_references = 1;
};

HRESULT copyString(const ACHAR* text, BSTR* out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = SysAllocString(text);
    return S_OK;
}

// Names an open document by address and serial, so that it never reaches a later document that got the
// address of a closed one.
class DocumentObject final : public CountedObject<IAcadDocument> {
public:
    explicit DocumentObject(AcApDocument* document)
        : CountedObject(IID_IAcadDocument), m_document(document), m_serial(document->imp()->serial)
    {
    }

    HRESULT get_FullName(BSTR* fullName) override
    {
        AcApDocument* document = open();
        return document != nullptr ? copyString(document->fileName(), fullName) : E_FAIL;
    }
    HRESULT get_Name(BSTR* name) override
    {
        AcApDocument* document = open();
        return document != nullptr ? copyString(document->docTitle(), name) : E_FAIL;
    }
    HRESULT Activate() override
    {
        AcApDocument* document = open();
        return document != nullptr && acDocManager->activateDocument(document) == Acad::eOk ? S_OK : E_FAIL;
    }
    HRESULT Close(bool saveChanges, const wchar_t* fileName) override
    {
        AcApDocument* document = open();
        if (document == nullptr)
            return E_FAIL;
        if (saveChanges) {
            const wchar_t* target = fileName != nullptr && *fileName != 0 ? fileName : document->fileName();
            if (document->database()->saveAs(target) != Acad::eOk)
                return E_FAIL;
        }
        return acDocManager->closeDocument(document) == Acad::eOk ? S_OK : E_FAIL;
    }

private:
    AcApDocument* open() const
    {
        return acDocManager->isOpen(m_document) && m_document->imp()->serial == m_serial ? m_document : nullptr;
    }

    AcApDocument* m_document;
    std::uint64_t m_serial;
};

class DocumentsObject final : public CountedObject<IAcadDocuments> {
public:
    DocumentsObject() : CountedObject(IID_IAcadDocuments) {}

    HRESULT get_Count(long* count) override
    {
        if (count == nullptr)
            return E_POINTER;
        *count = acDocManager->documentCount();
        return S_OK;
    }
    HRESULT Item(long index, IAcadDocument** document) override
    {
        if (document == nullptr)
            return E_POINTER;
        *document = nullptr;
        std::unique_ptr<AcApDocumentIterator> iterator(acDocManager->newAcApDocumentIterator());
        for (long position = 0; !iterator->done(); iterator->step(), ++position) {
            if (position == index) {
                *document = new DocumentObject(iterator->document());
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }
};
} // namespace

namespace cadhost {
HRESULT newDocumentsCollection(IAcadDocuments** documents)
{
    if (documents == nullptr)
        return E_POINTER;
    *documents = new DocumentsObject();
    return S_OK;
}

long liveDocumentObjects()
{
    return gLiveObjects;
}
} // namespace cadhost
