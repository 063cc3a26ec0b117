#include "online/servicedescription.h"

#include <pugixml.hpp>

#include "online/onlineerror.h"
#include "online/xmlnamespaces.h"

namespace korvex {
namespace {

using xmlns::Child;
using xmlns::Is;
using xmlns::kSchema;
using xmlns::kWsdl;
using xmlns::kWsdlSoap11;

[[noreturn]] void Fail(const std::string& what) { throw EOnlineService("Dienstbeschreibung: " + what); }

// The child of `parent` that is `kind` (a WSDL element) with the given name attribute.
pugi::xml_node Named(pugi::xml_node parent, const char* ns, std::string_view kind, std::string_view name) {
  for (pugi::xml_node child : parent.children()) {
    if (Is(child, ns, kind) && name == child.attribute("name").value()) return child;
  }
  return {};
}

// The schemas of the description's types section.
std::vector<pugi::xml_node> Schemas(pugi::xml_node definitions) {
  std::vector<pugi::xml_node> schemas;
  for (pugi::xml_node types : definitions.children()) {
    if (!Is(types, kWsdl, "types")) continue;
    for (pugi::xml_node schema : types.children()) {
      if (Is(schema, kSchema, "schema")) schemas.push_back(schema);
    }
  }
  return schemas;
}

// A global declaration (`kind` "element" or "complexType") of the schema for `name`'s namespace.
pugi::xml_node SchemaDeclaration(pugi::xml_node definitions, std::string_view kind, const xmlns::QName& name) {
  for (pugi::xml_node schema : Schemas(definitions)) {
    if (name.ns != schema.attribute("targetNamespace").value()) continue;
    if (pugi::xml_node found = Named(schema, kSchema, kind, name.local)) return found;
  }
  return {};
}

pugi::xml_node SchemaOf(pugi::xml_node declaration) {
  pugi::xml_node at = declaration;
  while (at && !Is(at, kSchema, "schema")) at = at.parent();
  return at;
}

// The elements of a complex type's sequence (or all), in order.
std::vector<SoapParameter> ContentElements(pugi::xml_node definitions, pugi::xml_node complex_type) {
  pugi::xml_node group = Child(complex_type, kSchema, "sequence");
  if (!group) group = Child(complex_type, kSchema, "all");
  std::vector<SoapParameter> elements;
  if (!group) return elements;
  const pugi::xml_node schema = SchemaOf(complex_type);
  const std::string target = schema.attribute("targetNamespace").value();
  const bool qualified_default = std::string_view(schema.attribute("elementFormDefault").value()) == "qualified";
  for (pugi::xml_node element : group.children()) {
    if (!Is(element, kSchema, "element")) continue;
    if (const pugi::xml_attribute ref = element.attribute("ref")) {
      const xmlns::QName global = xmlns::ResolveQName(element, ref.value());
      if (!SchemaDeclaration(definitions, "element", global)) Fail("Element " + global.local + " fehlt");
      elements.push_back({global.local, global.ns});
      continue;
    }
    const std::string_view form = element.attribute("form").value();
    const bool qualified = form.empty() ? qualified_default : form == "qualified";
    elements.push_back({element.attribute("name").value(), qualified ? target : std::string()});
  }
  return elements;
}

struct BoundOperation {
  pugi::xml_node binding;
  pugi::xml_node operation;
  std::string endpoint;
};

// The first port with a SOAP 1.1 address whose binding offers the operation.
BoundOperation FindBoundOperation(pugi::xml_node definitions, std::string_view operation) {
  for (pugi::xml_node service : definitions.children()) {
    if (!Is(service, kWsdl, "service")) continue;
    for (pugi::xml_node port : service.children()) {
      if (!Is(port, kWsdl, "port")) continue;
      const pugi::xml_node address = Child(port, kWsdlSoap11, "address");
      if (!address) continue;
      const xmlns::QName binding_name = xmlns::ResolveQName(port, port.attribute("binding").value());
      const pugi::xml_node binding = Named(definitions, kWsdl, "binding", binding_name.local);
      if (!binding || !Child(binding, kWsdlSoap11, "binding")) continue;
      if (const pugi::xml_node bound = Named(binding, kWsdl, "operation", operation)) {
        return {binding, bound, address.attribute("location").value()};
      }
    }
  }
  Fail("keine SOAP-Schnittstelle mit " + std::string(operation));
}

// The parts of the operation's input message.
std::vector<pugi::xml_node> InputParts(pugi::xml_node definitions, pugi::xml_node binding, std::string_view operation) {
  const xmlns::QName type = xmlns::ResolveQName(binding, binding.attribute("type").value());
  const pugi::xml_node port_type = Named(definitions, kWsdl, "portType", type.local);
  const pugi::xml_node abstract = Named(port_type, kWsdl, "operation", operation);
  const pugi::xml_node input = Child(abstract, kWsdl, "input");
  if (!input) Fail("Eingabe von " + std::string(operation) + " fehlt");
  const xmlns::QName message_name = xmlns::ResolveQName(input, input.attribute("message").value());
  const pugi::xml_node message = Named(definitions, kWsdl, "message", message_name.local);
  if (!message) Fail("Nachricht " + message_name.local + " fehlt");
  std::vector<pugi::xml_node> parts;
  for (pugi::xml_node part : message.children()) {
    if (Is(part, kWsdl, "part")) parts.push_back(part);
  }
  return parts;
}

// Document style: the body holds the one part's element, whose content are the parameters.
void ReadDocumentInput(pugi::xml_node definitions, const std::vector<pugi::xml_node>& parts, SoapOperation& op) {
  if (parts.size() != 1 || !parts.front().attribute("element")) Fail("Eingabe ist kein einzelnes Element");
  const xmlns::QName element_name = xmlns::ResolveQName(parts.front(), parts.front().attribute("element").value());
  const pugi::xml_node element = SchemaDeclaration(definitions, "element", element_name);
  if (!element) Fail("Element " + element_name.local + " fehlt");
  pugi::xml_node complex_type = Child(element, kSchema, "complexType");
  if (!complex_type) {
    const xmlns::QName type_name = xmlns::ResolveQName(element, element.attribute("type").value());
    complex_type = SchemaDeclaration(definitions, "complexType", type_name);
  }
  if (!complex_type) Fail("Typ von " + element_name.local + " fehlt");
  op.wrapper_name = element_name.local;
  op.wrapper_namespace = element_name.ns;
  op.parameters = ContentElements(definitions, complex_type);
}

}  // namespace

SoapOperation ReadServiceDescription(std::string_view wsdl, std::string_view operation) {
  pugi::xml_document document;
  if (!document.load_buffer(wsdl.data(), wsdl.size())) Fail("kein XML");
  const pugi::xml_node definitions = xmlns::FirstElement(document);
  if (!Is(definitions, kWsdl, "definitions")) Fail("kein WSDL-Dokument");

  const BoundOperation bound = FindBoundOperation(definitions, operation);
  SoapOperation op;
  op.endpoint = bound.endpoint;
  if (op.endpoint.empty()) Fail("Adresse fehlt");
  const pugi::xml_node soap_operation = Child(bound.operation, kWsdlSoap11, "operation");
  op.soap_action = soap_operation.attribute("soapAction").value();
  std::string style = soap_operation.attribute("style").value();
  if (style.empty()) style = Child(bound.binding, kWsdlSoap11, "binding").attribute("style").value();
  op.rpc_style = style == "rpc";
  const pugi::xml_node body = Child(Child(bound.operation, kWsdl, "input"), kWsdlSoap11, "body");
  op.encoded = std::string_view(body.attribute("use").value()) == "encoded";

  const std::vector<pugi::xml_node> parts = InputParts(definitions, bound.binding, operation);
  if (op.rpc_style) {
    op.wrapper_name = operation;
    op.wrapper_namespace = body.attribute("namespace").value();
    if (op.wrapper_namespace.empty()) op.wrapper_namespace = definitions.attribute("targetNamespace").value();
    for (pugi::xml_node part : parts) op.parameters.push_back({part.attribute("name").value(), {}});
  } else {
    ReadDocumentInput(definitions, parts, op);
  }
  if (op.wrapper_namespace.empty()) op.wrapper_namespace = kServiceNamespace;
  return op;
}

}  // namespace korvex
