#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <pugixml.hpp>

// The reference operations that the program's own file operations are measured against: what
// the XML parser, the XML serialiser and zlib need for the same bytes on their own.
namespace korvex::bench {

// The whole file in one buffer. Throws std::runtime_error when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

// Parses `bytes` in place into `tree` with the options the collection reader uses, so that the
// parser does the same work for both; the buffer's content is destroyed. Throws std::runtime_error for text that is not well-formed.
void ParseXmlInPlace(std::string& bytes, pugi::xml_document& tree);

// The tree as XML text without declaration and without whitespace between elements, the form the
// collection file uses.
std::string SerialiseTree(const pugi::xml_document& tree);

// Raw deflate at the maximum level 9, as the ZIP entry of a compressed collection file holds it.
std::string DeflateLevel9(std::string_view bytes);

}  // namespace korvex::bench
