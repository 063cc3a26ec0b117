#include "online/xmlnamespaces.h"

namespace korvex::xmlns {

std::string_view LocalName(std::string_view qualified_name) {
  const size_t colon = qualified_name.find(':');
  return colon == std::string_view::npos ? qualified_name : qualified_name.substr(colon + 1);
}

std::string_view Prefix(std::string_view qualified_name) {
  const size_t colon = qualified_name.find(':');
  return colon == std::string_view::npos ? std::string_view() : qualified_name.substr(0, colon);
}

std::string NamespaceOf(pugi::xml_node node, std::string_view prefix) {
  const std::string attribute = prefix.empty() ? std::string("xmlns") : "xmlns:" + std::string(prefix);
  for (pugi::xml_node at = node; at; at = at.parent()) {
    if (at.type() != pugi::node_element) continue;
    if (const pugi::xml_attribute declared = at.attribute(attribute.c_str())) return declared.value();
  }
  if (prefix == "xml") return "http://www.w3.org/XML/1998/namespace";
  return {};
}

std::string ElementNamespace(pugi::xml_node element) { return NamespaceOf(element, Prefix(element.name())); }

bool Is(pugi::xml_node element, std::string_view ns, std::string_view local_name) {
  return element.type() == pugi::node_element && LocalName(element.name()) == local_name &&
         ElementNamespace(element) == ns;
}

pugi::xml_node Child(pugi::xml_node parent, std::string_view ns, std::string_view local_name) {
  for (pugi::xml_node child : parent.children()) {
    if (Is(child, ns, local_name)) return child;
  }
  return {};
}

pugi::xml_node FirstElement(pugi::xml_node parent) {
  for (pugi::xml_node child : parent.children()) {
    if (child.type() == pugi::node_element) return child;
  }
  return {};
}

QName ResolveQName(pugi::xml_node node, std::string_view value) {
  return {NamespaceOf(node, Prefix(value)), std::string(LocalName(value))};
}

}  // namespace korvex::xmlns
