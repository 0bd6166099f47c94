#include "dbidmap.h"

Acad::ErrorStatus AcDbIdMapping::assign(const AcDbIdPair& pair)
{
    if (pair.key().isNull())
        return Acad::eNullObjectId;
    if (m_origDb == nullptr)
        m_origDb = pair.key().database();
    m_pairs[pair.key()] = pair;
    return Acad::eOk;
}

bool AcDbIdMapping::compute(AcDbIdPair& pair) const
{
    auto found = m_pairs.find(pair.key());
    if (found == m_pairs.end())
        return false;
    pair = found->second;
    return true;
}

bool AcDbIdMapping::change(const AcDbIdPair& pair)
{
    auto found = m_pairs.find(pair.key());
    if (found == m_pairs.end())
        return false;
    found->second = pair;
    return true;
}

bool AcDbIdMapping::del(const AcDbObjectId& key)
{
    return m_pairs.erase(key) > 0;
}

Acad::ErrorStatus AcDbIdMapping::destDb(AcDbDatabase*& database) const
{
    database = m_destDb;
    return database != nullptr ? Acad::eOk : Acad::eNoDatabase;
}

Acad::ErrorStatus AcDbIdMapping::setDestDb(AcDbDatabase* database)
{
    m_destDb = database;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbIdMapping::origDb(AcDbDatabase*& database) const
{
    database = m_origDb;
    return database != nullptr ? Acad::eOk : Acad::eNoDatabase;
}
