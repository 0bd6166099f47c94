#include "dbobjit.h"

#include "dbmain.h"

void AcDbObjectIterator::start(bool atEnd)
{
    m_index = atEnd ? static_cast<int>(m_items.size()) - 1 : 0;
    const bool backwards = atEnd;
    while (!done() && isErasedAt(m_index))
        m_index += backwards ? -1 : 1;
}

void AcDbObjectIterator::step(bool backwards, bool skipErasedObjects)
{
    if (done())
        return;
    do {
        m_index += backwards ? -1 : 1;
    } while (skipErasedObjects && !done() && isErasedAt(m_index));
}

void AcDbObjectIterator::setPosition(AcDbEntity* entity)
{
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (entity != nullptr &&
            (m_items[i].entity == entity || (!m_items[i].id.isNull() && m_items[i].id == entity->objectId()))) {
            m_index = static_cast<int>(i);
            return;
        }
}

void AcDbObjectIterator::setPosition(AcDbObjectId objectId)
{
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (!objectId.isNull() && m_items[i].id == objectId) {
            m_index = static_cast<int>(i);
            return;
        }
}

AcDbEntity* AcDbObjectIterator::entity()
{
    return done() ? nullptr : m_items[static_cast<std::size_t>(m_index)].entity;
}

AcDbObjectId AcDbObjectIterator::objectId()
{
    return done() ? AcDbObjectId::kNull : m_items[static_cast<std::size_t>(m_index)].id;
}

bool AcDbObjectIterator::isErasedAt(int index) const
{
    const Item& item = m_items[static_cast<std::size_t>(index)];
    return !item.id.isNull() && item.id.isErased();
}
