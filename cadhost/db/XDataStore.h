// The extended data of one object: per registered application, its items in order.
#pragma once

#include "ResbufType.h"
#include "acadstrc.h"

#include <functional>
#include <string>
#include <vector>

class AcDbDwgFiler;

class XDataStore {
public:
    // The most bytes of extended data one object may carry.
    static constexpr std::size_t kMaxBytes = 16383;

    // Applies a chain made of groups that each begin with an application name (1001): a group
    // replaces that application's items, a group without items removes them. Every application
    // must pass isRegistered (else eRegappIdNotFound) and every item must be an extended-data code.
    Acad::ErrorStatus set(const resbuf* chain, const std::function<bool(const ACHAR*)>& isRegistered);
    // The named application's group, or every group for a null name; null when there is none.
    resbuf* get(const ACHAR* appName) const;
    bool empty() const { return m_apps.empty(); }
    void copyFrom(const XDataStore& other);
    std::vector<std::wstring> appNames() const;

    Acad::ErrorStatus dwgOut(AcDbDwgFiler* filer) const;
    Acad::ErrorStatus dwgIn(AcDbDwgFiler* filer);

private:
    struct App {
        std::wstring name;
        cadhost::ResbufChain items;
    };
    std::size_t byteSize() const;

    std::vector<App> m_apps;
};
