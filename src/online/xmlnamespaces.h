#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace korvex::xmlns {

// pugixml keeps names as written ("wsdl:port"); these helpers read them the way XML namespaces
// mean them.

inline constexpr const char* kWsdl = "http://schemas.xmlsoap.org/wsdl/";
inline constexpr const char* kWsdlSoap11 = "http://schemas.xmlsoap.org/wsdl/soap/";
inline constexpr const char* kSchema = "http://www.w3.org/2001/XMLSchema";
inline constexpr const char* kSoapEnvelope = "http://schemas.xmlsoap.org/soap/envelope/";
inline constexpr const char* kSoapEncoding = "http://schemas.xmlsoap.org/soap/encoding/";

// The part of a qualified name after its prefix.
std::string_view LocalName(std::string_view qualified_name);
std::string_view Prefix(std::string_view qualified_name);

// The namespace a prefix stands for at `node` (the default namespace for an empty prefix);
// empty when it is not declared.
std::string NamespaceOf(pugi::xml_node node, std::string_view prefix);

// The namespace of the element's own name.
std::string ElementNamespace(pugi::xml_node element);

// Whether the element is `local_name` in namespace `ns`.
bool Is(pugi::xml_node element, std::string_view ns, std::string_view local_name);

// The first child element that is `local_name` in `ns`, or an empty node.
pugi::xml_node Child(pugi::xml_node parent, std::string_view ns, std::string_view local_name);

// The first child element of any name, or an empty node.
pugi::xml_node FirstElement(pugi::xml_node parent);

// A qualified name held in an attribute value ("tns:getRecentVersion"), resolved at `node`.
struct QName {
  std::string ns;
  std::string local;
};
QName ResolveQName(pugi::xml_node node, std::string_view value);

}  // namespace korvex::xmlns
