#include "online/soapenvelope.h"

#include <pugixml.hpp>
#include <sstream>

#include "online/onlineerror.h"
#include "online/xmlnamespaces.h"

namespace korvex {
namespace {

constexpr const char* kEnvelopePrefix = "SOAP-ENV";
constexpr const char* kServicePrefix = "ns1";

}  // namespace

std::string BuildRequestEnvelope(const SoapOperation& operation, const std::map<std::string, std::string>& arguments) {
  pugi::xml_document document;
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "UTF-8";

  pugi::xml_node envelope = document.append_child("SOAP-ENV:Envelope");
  envelope.append_attribute("xmlns:SOAP-ENV") = xmlns::kSoapEnvelope;
  if (operation.encoded) {
    envelope.append_attribute("xmlns:xsd") = xmlns::kSchema;
    envelope.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    envelope.append_attribute("SOAP-ENV:encodingStyle") = xmlns::kSoapEncoding;
  }
  pugi::xml_node body = envelope.append_child((std::string(kEnvelopePrefix) + ":Body").c_str());
  pugi::xml_node call = body.append_child((std::string(kServicePrefix) + ":" + operation.wrapper_name).c_str());
  call.append_attribute("xmlns:ns1") = operation.wrapper_namespace.c_str();

  for (const SoapParameter& parameter : operation.parameters) {
    const auto argument = arguments.find(parameter.name);
    if (argument == arguments.end()) throw EOnlineService("Parameter " + parameter.name + " ist unbekannt");
    std::string name = parameter.name;
    if (parameter.ns == operation.wrapper_namespace) {
      name = std::string(kServicePrefix) + ":" + name;
    }
    pugi::xml_node element = call.append_child(name.c_str());
    if (!parameter.ns.empty() && parameter.ns != operation.wrapper_namespace) {
      element.append_attribute("xmlns") = parameter.ns.c_str();
    }
    if (operation.encoded) element.append_attribute("xsi:type") = "xsd:string";
    element.text() = argument->second.c_str();
  }
  for (const auto& [name, value] : arguments) {
    bool listed = false;
    for (const SoapParameter& parameter : operation.parameters) listed = listed || parameter.name == name;
    if (!listed) throw EOnlineService("Die Dienstbeschreibung kennt den Parameter " + name + " nicht");
  }

  std::ostringstream out;
  document.save(out, "", pugi::format_raw, pugi::encoding_utf8);
  return out.str();
}

std::string ReadSingleTextResult(std::string_view response) {
  pugi::xml_document document;
  if (!document.load_buffer(response.data(), response.size())) throw EOnlineService("Antwort ist kein XML");
  const pugi::xml_node envelope = xmlns::FirstElement(document);
  if (!xmlns::Is(envelope, xmlns::kSoapEnvelope, "Envelope")) throw EOnlineService("Antwort ist kein SOAP-Umschlag");
  const pugi::xml_node body = xmlns::Child(envelope, xmlns::kSoapEnvelope, "Body");
  const pugi::xml_node answer = xmlns::FirstElement(body);
  if (!answer) throw EOnlineService("Antwort ohne Inhalt");
  if (xmlns::Is(answer, xmlns::kSoapEnvelope, "Fault")) {
    // faultcode and faultstring are unqualified in SOAP 1.1.
    throw ESoapFault(answer.child("faultcode").text().get(), answer.child("faultstring").text().get());
  }
  const pugi::xml_node result = xmlns::FirstElement(answer);
  if (!result) throw EOnlineService("Antwort ohne Ergebnis");
  return result.text().get();
}

}  // namespace korvex
