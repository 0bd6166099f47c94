// The values of one update descriptor file: an XML document whose document element (any name) has a
// child "Version" carrying the attributes Current, VersiuonURL, URL and LastUpdateTime and a child
// "UpdatDescribe" whose text describes the version. The names are the file format's own, misspellings
// included; an absent attribute or description reads as empty text.
#pragma once

#include "afxstr.h"

#include <filesystem>

struct GUpdateDescriptor {
    CString m_current;        // compared between the local and the server copy
    CString m_versionUrl;     // local copy: where the server's descriptor is downloaded from
    CString m_url;            // server copy: where the new version is downloaded from
    CString m_describe;       // not displayed
    CString m_lastUpdateTime; // local copy: time of the last update check

    // False, with the values unchanged, when the file is missing, is not XML or has no "Version".
    bool read(const std::filesystem::path& file);
};

// Sets LastUpdateTime of the file's "Version" element and saves the file in place, leaving the rest of
// it as it was. False, without saving, when the file cannot be loaded or has no "Version".
bool stampDescriptorCheckTime(const std::filesystem::path& file, const CString& checkTime);
