// The COM basics that the host's automation model is built on: interfaces with reference counting,
// interface ids, result codes, BSTR strings, and ATL's smart pointer and string holders.
#pragma once

#include "adesk.h"
#include "guid.h"
#include "windef.h"

#include <cstring>
#include <utility>

using IID = GUID;
using REFIID = const IID&;
using ULONG = DWORD;
using BSTR = wchar_t*;

constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002U);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003U);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057U);

#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)

inline bool IsEqualIID(REFIID left, REFIID right)
{
    return std::memcmp(&left, &right, sizeof(IID)) == 0;
}

inline constexpr IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Interfaces are released, never deleted through; the object deletes itself on its last Release.
struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

// Late binding is not offered; the host's objects are reached through their own interfaces.
struct IDispatch : IUnknown {
protected:
    ~IDispatch() = default;
};

CADHOST_EXPORT BSTR SysAllocString(const wchar_t* text);
CADHOST_EXPORT void SysFreeString(BSTR text);
CADHOST_EXPORT unsigned SysStringLen(BSTR text);

// ATL's interface holder: releases what it holds.
template <class T> class CComPtr {
public:
    CComPtr() = default;
    CComPtr(T* pointer) : p(pointer) // NOLINT(google-explicit-constructor)
    {
        if (p != nullptr)
            p->AddRef();
    }
    CComPtr(const CComPtr& other) : CComPtr(other.p) {}
    CComPtr(CComPtr&& other) noexcept : p(std::exchange(other.p, nullptr)) {}
    ~CComPtr() { Release(); }
    CComPtr& operator=(CComPtr other) noexcept
    {
        std::swap(p, other.p);
        return *this;
    }

    void Release()
    {
        if (T* held = std::exchange(p, nullptr))
            held->Release();
    }
    // Takes over a reference the caller already owns.
    void Attach(T* pointer)
    {
        Release();
        p = pointer;
    }
    T* Detach() { return std::exchange(p, nullptr); }
    T** operator&() // NOLINT(google-runtime-operator)
    {
        Release();
        return &p;
    }
    T* operator->() const { return p; }
    operator T*() const { return p; } // NOLINT(google-explicit-constructor)

    T* p = nullptr;
};

// ATL's BSTR holder: frees what it holds.
class CComBSTR {
public:
    CComBSTR() = default;
    explicit CComBSTR(const wchar_t* text) : m_str(SysAllocString(text)) {}
    CComBSTR(const CComBSTR&) = delete;
    CComBSTR& operator=(const CComBSTR&) = delete;
    ~CComBSTR() { SysFreeString(m_str); }

    BSTR* operator&() // NOLINT(google-runtime-operator)
    {
        SysFreeString(std::exchange(m_str, nullptr));
        return &m_str;
    }
    operator const wchar_t*() const { return m_str != nullptr ? m_str : L""; } // NOLINT(google-explicit-constructor)
    unsigned Length() const { return SysStringLen(m_str); }

    BSTR m_str = nullptr;
};
