#include "AcApDocumentImp.h"
#include "ModelView.h"
#include "acdocman.h"
#include "actrans.h"
#include "dblayout.h"
#include "dbobjptr.h"
#include "giregen.h"
#include "nativepath.h"

#include <string>

ACRX_HOST_DEFINE_MEMBERS(AcApDocument, AcRxObject, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcTransactionManager, AcRxObject, nullptr, ACRX_ABSTRACT)
[[maybe_unused]] static const bool gDocumentClassesRegistered =
    (AcApDocument::rxInit(), AcTransactionManager::rxInit(), true);

AcApDocument::AcApDocument(const ACHAR* fileName, std::unique_ptr<AcDbDatabase> database)
    : m_imp(std::make_unique<Imp>())
{
    static std::uint64_t lastSerial = 0;
    m_imp->serial = ++lastSerial;
    m_imp->fileName = fileName;
    m_imp->title = cadhost::widePath(cadhost::nativePath(m_imp->fileName).filename());
    m_imp->database = std::move(database);
    m_imp->transactions = std::make_unique<AcTransactionManager>(this);
}

AcApDocument::~AcApDocument() = default;

const ACHAR* AcApDocument::fileName() const
{
    return m_imp->fileName.c_str();
}

const ACHAR* AcApDocument::docTitle() const
{
    return m_imp->title.c_str();
}

AcDbDatabase* AcApDocument::database() const
{
    return m_imp->database.get();
}

AcAp::DocLockMode AcApDocument::lockMode(bool) const
{
    return m_imp->locks.empty() ? AcAp::kNotLocked : m_imp->locks.back();
}

AcAp::DocLockMode AcApDocument::myLockMode() const
{
    return lockMode(true);
}

bool AcApDocument::isQuiescent() const
{
    return cadhost::currentCommandContext() == cadhost::CommandContext::kNone;
}

AcTransactionManager* AcApDocument::transactionManager() const
{
    return m_imp->transactions.get();
}

void AcApDocument::getModelView(AcGePoint3d& viewMin, AcGePoint3d& viewMax) const
{
    if (!m_imp->hasModelView) {
        cadhost::defaultModelView(database(), viewMin, viewMax);
        return;
    }
    viewMin = m_imp->viewMin;
    viewMax = m_imp->viewMax;
}

void AcApDocument::setModelView(const AcGePoint3d& viewMin, const AcGePoint3d& viewMax)
{
    m_imp->hasModelView = true;
    m_imp->viewMin = viewMin;
    m_imp->viewMax = viewMax;
}

AcDbObjectId AcApDocument::activeLayoutId() const
{
    if (!m_imp->activeLayout.isNull() && !m_imp->activeLayout.isErased())
        return m_imp->activeLayout;
    AcDbObjectPointer<AcDbBlockTableRecord> paperSpace(database()->paperSpaceId(), AcDb::kForRead);
    return paperSpace.openStatus() == Acad::eOk ? paperSpace->getLayoutId() : AcDbObjectId::kNull;
}

Acad::ErrorStatus AcApDocument::setActiveLayout(AcDbObjectId layoutId)
{
    AcDbObjectPointer<AcDbLayout> layout(layoutId, AcDb::kForRead);
    if (layout.openStatus() != Acad::eOk)
        return layout.openStatus();
    if (layout->getBlockTableRecordId() == database()->modelSpaceId())
        return Acad::eInvalidInput;
    m_imp->activeLayout = layoutId;
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocument::regen()
{
    auto recording = std::make_unique<AcGiRecording>();
    Acad::ErrorStatus status;
    if (database()->tilemode()) {
        AcGePoint3d viewMin;
        AcGePoint3d viewMax;
        getModelView(viewMin, viewMax);
        status = acgiRegenModelSpace(database(), viewMin, viewMax, *recording);
    } else {
        status = acgiRegenLayout(database(), activeLayoutId(), *recording);
    }
    m_imp->displayed = std::move(recording);
    return status;
}

const AcGiRecording* AcApDocument::displayed() const
{
    return m_imp->displayed.get();
}
