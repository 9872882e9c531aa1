// Links and titles of a fetched result page, kept for the search dialog's
// list (one store per dialog).
#pragma once
#include <string>
#include <vector>

class HttpAnal {
public:
    // Rebuilds the store from the zero-terminated CP932 page; returns the
    // number of links whose URL was found (the list's row count).
    int GetReadyUrlAndTitle(const char *szPage);

    // URL and title of row n ("" when out of range or not ready).
    const char *GetUrl(int n) const;
    const char *GetTitle(int n) const;

    int nEntries = 1;          // slots: the anchors with an href found, at least 1
    int nAbsolute = 0;         // of those, the ones containing "http://"
    int nLinks = 0;            // rows with a URL
    int nNoCloseAnchors = 0;   // anchors whose start tag has no ">" (report once)
    int bReady = 0;            // 1 while the arrays may be shown
    std::vector<std::string> aAnchors, aUrls, aTitles;
};
