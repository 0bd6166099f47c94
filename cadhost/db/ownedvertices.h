// The vertices of a 2D or 3D polyline. While the polyline is in no database it holds them in
// memory; once it is in one, every vertex is a database object of its own with the polyline as its
// owner, and the polyline keeps their ids. The vertices are filed inside the polyline's fields (their
// common entity data included) and are never reached through ownership references.
#pragma once

#include "dbents.h"

#include <functional>
#include <memory>
#include <vector>

namespace cadhost {

// Vertices opened for one task; the destructor closes those it opened.
class OpenedVertices {
public:
    OpenedVertices() = default;
    OpenedVertices(OpenedVertices&&) = default;
    OpenedVertices& operator=(OpenedVertices&&) = delete;
    ~OpenedVertices();

    Acad::ErrorStatus status() const { return m_status; }
    const std::vector<AcDbVertex*>& vertices() const { return m_vertices; }

private:
    friend class OwnedVertices;
    std::vector<AcDbVertex*> m_vertices;
    std::vector<AcDbVertex*> m_opened;
    Acad::ErrorStatus m_status = Acad::eOk;
};

class OwnedVertices {
public:
    explicit OwnedVertices(const AcDbEntity& owner) : m_owner(owner) {}

    // Takes ownership of a vertex that is in no database. In a database the vertex gets an id, the
    // polyline as owner and the polyline's layer when it has none, and stays open for the caller.
    Acad::ErrorStatus append(AcDbVertex* vertex, AcDbObjectId& id);
    // Moves the vertices held in memory into the owner's database, once the owner is in one. A polyline
    // read from a drawing file joins its database without being told, so this also happens the first
    // time vertex ids are asked for; until then the vertices work as well from memory.
    void adoptIntoDatabase() const;
    // Removes the vertices the predicate picks (it sees each vertex open for read); those in a database
    // are erased.
    void removeIf(const std::function<bool(const AcDbVertex&)>& pick);
    // Replaces every vertex; the old ones in a database are erased.
    void replaceAll(std::vector<std::unique_ptr<AcDbVertex>> vertices);

    // Every vertex that is not erased, in order, open in the given mode (a vertex already open in a mode
    // that allows the access is used as it is). When one cannot be opened, the result holds none and
    // carries the status.
    OpenedVertices open(AcDb::OpenMode mode) const;
    // Gives the vertices their ids first when the owner is in a database.
    AcDbObjectIterator* newIterator() const;

    // A count, then each vertex's dwgOutFields.
    Acad::ErrorStatus fileOut(AcDbDwgFiler* filer) const;
    // Reads the vertices made by create; the first failing vertex ends the read and the vertices stay
    // as they were.
    Acad::ErrorStatus fileIn(AcDbDwgFiler* filer, const std::function<AcDbVertex*()>& create);

private:
    struct Slot {
        AcDbObjectId id;
        std::unique_ptr<AcDbVertex> memory;
    };

    void recountInMemory() const;

    const AcDbEntity& m_owner;
    mutable std::vector<Slot> m_slots;
    // How many slots hold their vertex in memory: appending to a polyline in a database then does not
    // look at every vertex again.
    mutable std::size_t m_inMemory = 0;
};

} // namespace cadhost
