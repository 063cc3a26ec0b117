#include "online/weblinks.h"

#include "dialogs/programsettings.h"

namespace korvex {

std::string FaqAddress(const std::string& url) {
  // The page follows the address with one "/", also when the address already ends in one.
  std::string base = url;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + "/faq_korvex.htm";
}

std::string ServicePageAddress(const std::string& url) { return url; }

std::string ForumAddress() { return kDefaultServiceUrl; }

}  // namespace korvex
