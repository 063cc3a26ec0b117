#pragma once

#include <string>

namespace korvex {

// The web pages the menus "&Online" and "&Hilfe" open; `url` is the web address setting `URL`.
// Texts are Windows-1252.
std::string FaqAddress(const std::string& url);          // `URL` + "/faq_korvex.htm"
std::string ServicePageAddress(const std::string& url);  // `URL` itself
std::string ForumAddress();                              // the maker's web site

}  // namespace korvex
