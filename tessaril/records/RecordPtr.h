// Ownership of records: an owner releases a record before it deletes it, on every path.
#pragma once

#include "GEntityData.h"

#include <memory>

struct ReleaseAndDelete {
    void operator()(GObjectData* record) const
    {
        record->release();
        delete record;
    }
};

using RecordPtr = std::unique_ptr<GEntityData, ReleaseAndDelete>;

// Releases a record that lives on the stack when the scope ends.
class ReleaseOnExit {
public:
    explicit ReleaseOnExit(GObjectData& record) : m_record(record) {}
    ReleaseOnExit(const ReleaseOnExit&) = delete;
    ReleaseOnExit& operator=(const ReleaseOnExit&) = delete;
    ~ReleaseOnExit() { m_record.release(); }

private:
    GObjectData& m_record;
};
