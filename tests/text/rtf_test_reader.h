// A small RTF reader for the tests of the colour writer: it understands the
// subset the writer uses (colour table, \cfN, \par, \tab, \uN, \'xx and the
// escaped \ { }) and gives back the bytes with the colour of each. Anything
// else makes it fail, so the tests also see the writer stay in its subset.
#pragma once
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

struct RtfReadBack {
    std::string bytes;
    std::vector<uint32_t> colours; // per byte; 0xFFFFFFFF for \cf0
    std::string error;             // empty when the document was read whole
};

inline RtfReadBack ReadColourRtf(const std::string &rtf)
{
    RtfReadBack out;
    std::vector<uint32_t> table;
    uint32_t colour = 0xFFFFFFFFu, red = 0, green = 0, blue = 0;
    int depth = 0;
    bool inTable = false, seenHeader = false, entrySet = false;
    auto put = [&](unsigned char b) {
        out.bytes += (char)b;
        out.colours.push_back(colour);
    };
    size_t i = 0;
    while (i < rtf.size() && out.error.empty()) {
        char c = rtf[i++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0)
                out.error = "unbalanced }";
            inTable = false;
            if (depth == 0 && i != rtf.size())
                out.error = "text after the document";
        } else if (c == '\r' || c == '\n') {
            // line breaks of the RTF source mean nothing
        } else if (c == ';' && inTable) {
            // An entry without values is the automatic colour (entry 0).
            table.push_back(entrySet ? red | (green << 8) | (blue << 16) : 0xFFFFFFFFu);
            red = green = blue = 0;
            entrySet = false;
        } else if (c != '\\') {
            if (inTable || (unsigned char)c >= 0x80 || (unsigned char)c < 0x20)
                out.error = "raw byte " + std::to_string((unsigned char)c);
            else
                put((unsigned char)c);
        } else if (i < rtf.size() && (rtf[i] == '\\' || rtf[i] == '{' || rtf[i] == '}')) {
            put((unsigned char)rtf[i++]);
        } else if (i + 2 < rtf.size() && rtf[i] == '\'' && std::isxdigit((unsigned char)rtf[i + 1]) &&
                   std::isxdigit((unsigned char)rtf[i + 2])) {
            put((unsigned char)std::strtoul(rtf.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 3;
        } else {
            size_t w = i;
            while (i < rtf.size() && std::isalpha((unsigned char)rtf[i]))
                ++i;
            std::string word = rtf.substr(w, i - w);
            size_t d = i;
            if (i < rtf.size() && rtf[i] == '-')
                ++i;
            while (i < rtf.size() && std::isdigit((unsigned char)rtf[i]))
                ++i;
            bool hasParam = i > d;
            long param = hasParam ? std::strtol(rtf.substr(d, i - d).c_str(), nullptr, 10) : 0;
            if (i < rtf.size() && rtf[i] == ' ')
                ++i; // the delimiter belongs to the control word
            if (word == "rtf" && depth == 1 && !seenHeader)
                seenHeader = true;
            else if (word == "ansi" || (word == "ansicpg" && param == 932) || (word == "uc" && param == 0))
                ;
            else if (word == "colortbl")
                inTable = true;
            else if (inTable && (word == "red" || word == "green" || word == "blue")) {
                (word == "red" ? red : word == "green" ? green : blue) = (uint32_t)param;
                entrySet = true;
            }
            else if (word == "cf" && hasParam && param == 0)
                colour = 0xFFFFFFFFu;
            else if (word == "cf" && hasParam && param > 0 && (size_t)param < table.size())
                colour = table[(size_t)param];
            else if (word == "par") {
                put('\r');
                put('\n');
            } else if (word == "tab")
                put('\t');
            else if (word == "u" && (param == 10 || param == 13))
                put((unsigned char)param);
            else
                out.error = "unknown control \\" + word + std::to_string(param);
        }
    }
    if (out.error.empty() && (depth != 0 || !seenHeader))
        out.error = "not one whole document";
    return out;
}
