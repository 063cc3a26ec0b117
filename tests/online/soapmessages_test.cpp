#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "online/onlineerror.h"
#include "online/servicedescription.h"
#include "online/soapenvelope.h"

namespace korvex {
namespace {

// Document style with wrapped parameters; a SOAP 1.2 port comes first and must be passed over.
constexpr const char* kDocumentWsdl = R"(<?xml version="1.0" encoding="UTF-8"?>
<w:definitions xmlns:w="http://schemas.xmlsoap.org/wsdl/" xmlns:s11="http://schemas.xmlsoap.org/wsdl/soap/"
    xmlns:s12="http://schemas.xmlsoap.org/wsdl/soap12/" xmlns:x="http://www.w3.org/2001/XMLSchema"
    xmlns:reg="urn:RegisterService" targetNamespace="urn:RegisterService">
  <w:types>
    <x:schema targetNamespace="urn:RegisterService" elementFormDefault="qualified">
      <x:complexType name="anfrage">
        <x:sequence>
          <x:element name="username" type="x:string"/>
          <x:element name="password" type="x:string"/>
          <x:element name="Programm" type="x:string" form="unqualified"/>
          <x:element name="version" type="x:string"/>
        </x:sequence>
      </x:complexType>
      <x:element name="getRecentVersion" type="reg:anfrage"/>
    </x:schema>
  </w:types>
  <w:message name="eingabe"><w:part name="parameters" element="reg:getRecentVersion"/></w:message>
  <w:portType name="ProgrammServicesPortType">
    <w:operation name="getRecentVersion"><w:input message="reg:eingabe"/></w:operation>
  </w:portType>
  <w:binding name="Soap12Binding" type="reg:ProgrammServicesPortType">
    <s12:binding style="document" transport="http://schemas.xmlsoap.org/soap/http"/>
    <w:operation name="getRecentVersion"><s12:operation soapAction="falsch"/></w:operation>
  </w:binding>
  <w:binding name="ProgrammServicesBinding" type="reg:ProgrammServicesPortType">
    <s11:binding transport="http://schemas.xmlsoap.org/soap/http"/>
    <w:operation name="getRecentVersion">
      <s11:operation soapAction="urn:RegisterService#getRecentVersion"/>
      <w:input><s11:body use="literal"/></w:input>
    </w:operation>
  </w:binding>
  <w:service name="ProgrammServicesService">
    <w:port name="Soap12Port" binding="reg:Soap12Binding"><s12:address location="https://falsch.example/"/></w:port>
    <w:port name="ProgrammServicesPort" binding="reg:ProgrammServicesBinding">
      <s11:address location="https://dienst.example/webservices/programmservices"/>
    </w:port>
  </w:service>
</w:definitions>)";

// RPC style with encoded parameters, as older SOAP toolkits publish it.
constexpr const char* kRpcWsdl = R"(<?xml version="1.0" encoding="ISO-8859-1"?>
<definitions xmlns="http://schemas.xmlsoap.org/wsdl/" xmlns:soap="http://schemas.xmlsoap.org/wsdl/soap/"
    xmlns:xsd="http://www.w3.org/2001/XMLSchema" xmlns:tns="urn:RegisterService" targetNamespace="urn:RegisterService">
  <message name="getRecentVersionRequest">
    <part name="username" type="xsd:string"/><part name="password" type="xsd:string"/>
    <part name="Programm" type="xsd:string"/><part name="version" type="xsd:string"/>
  </message>
  <portType name="ProgrammServicesPortType">
    <operation name="getRecentVersion"><input message="tns:getRecentVersionRequest"/></operation>
  </portType>
  <binding name="ProgrammServicesBinding" type="tns:ProgrammServicesPortType">
    <soap:binding style="rpc" transport="http://schemas.xmlsoap.org/soap/http"/>
    <operation name="getRecentVersion">
      <soap:operation soapAction="urn:RegisterService#getRecentVersion" style="rpc"/>
      <input><soap:body use="encoded" namespace="urn:RegisterService"
                        encodingStyle="http://schemas.xmlsoap.org/soap/encoding/"/></input>
    </operation>
  </binding>
  <service name="ProgrammServicesService">
    <port name="ProgrammServicesPort" binding="tns:ProgrammServicesBinding">
      <soap:address location="https://alt.example/webservices/programmservices"/>
    </port>
  </service>
</definitions>)";

const std::map<std::string, std::string> kArguments = {
    {"username", "sammler"}, {"password", "<&>"}, {"Programm", "Korvexia"}, {"version", "3.1.3 BETA"}};

TEST(ServiceDescriptionTest, DocumentStyleTakesTheSoap11PortAndTheSchemaElements) {
  const SoapOperation op = ReadServiceDescription(kDocumentWsdl, "getRecentVersion");
  EXPECT_EQ(op.endpoint, "https://dienst.example/webservices/programmservices");
  EXPECT_EQ(op.soap_action, "urn:RegisterService#getRecentVersion");
  EXPECT_FALSE(op.rpc_style);
  EXPECT_FALSE(op.encoded);
  EXPECT_EQ(op.wrapper_name, "getRecentVersion");
  EXPECT_EQ(op.wrapper_namespace, "urn:RegisterService");
  const std::vector<SoapParameter> expected = {{"username", "urn:RegisterService"},
                                               {"password", "urn:RegisterService"},
                                               {"Programm", ""},
                                               {"version", "urn:RegisterService"}};
  EXPECT_EQ(op.parameters, expected);
}

TEST(ServiceDescriptionTest, RpcStyleNamesTheWrapperAfterTheOperation) {
  const SoapOperation op = ReadServiceDescription(kRpcWsdl, "getRecentVersion");
  EXPECT_EQ(op.endpoint, "https://alt.example/webservices/programmservices");
  EXPECT_TRUE(op.rpc_style);
  EXPECT_TRUE(op.encoded);
  EXPECT_EQ(op.wrapper_name, "getRecentVersion");
  EXPECT_EQ(op.wrapper_namespace, "urn:RegisterService");
  ASSERT_EQ(op.parameters.size(), 4u);
  EXPECT_EQ(op.parameters[2], (SoapParameter{"Programm", ""}));
}

TEST(ServiceDescriptionTest, DescriptionsWithoutTheOperationAreRefused) {
  EXPECT_THROW(ReadServiceDescription(kDocumentWsdl, "registerProgram"), EOnlineService);
  EXPECT_THROW(ReadServiceDescription("<html><body>Wartungsarbeiten</body></html>", "getRecentVersion"),
               EOnlineService);
  EXPECT_THROW(ReadServiceDescription("kein XML <", "getRecentVersion"), EOnlineService);
  // Only a SOAP 1.2 port: nothing this client speaks.
  std::string only12 = kDocumentWsdl;
  only12.erase(only12.find("<w:port name=\"ProgrammServicesPort\""),
               only12.find("</w:service>") - only12.find("<w:port name=\"ProgrammServicesPort\""));
  EXPECT_THROW(ReadServiceDescription(only12, "getRecentVersion"), EOnlineService);
}

// The namespace an element's name stands for, read independently of the code under test.
std::string NamespaceUri(pugi::xml_node node) {
  const std::string name = node.name();
  const size_t colon = name.find(':');
  const std::string attribute = colon == std::string::npos ? "xmlns" : "xmlns:" + name.substr(0, colon);
  for (; node; node = node.parent()) {
    if (pugi::xml_attribute a = node.attribute(attribute.c_str())) return a.value();
  }
  return "";
}

std::string Local(pugi::xml_node node) {
  const std::string name = node.name();
  return name.substr(name.find(':') + 1);
}

TEST(SoapEnvelopeTest, DocumentRequestCarriesTheParametersInTheirNamespaces) {
  const std::string request = BuildRequestEnvelope(ReadServiceDescription(kDocumentWsdl, "getRecentVersion"), kArguments);
  EXPECT_EQ(request.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(request.c_str()));
  const pugi::xml_node envelope = doc.document_element();
  EXPECT_EQ(Local(envelope), "Envelope");
  EXPECT_EQ(NamespaceUri(envelope), "http://schemas.xmlsoap.org/soap/envelope/");
  const pugi::xml_node call = envelope.first_child().first_child();
  EXPECT_EQ(Local(envelope.first_child()), "Body");
  EXPECT_EQ(Local(call), "getRecentVersion");
  EXPECT_EQ(NamespaceUri(call), "urn:RegisterService");
  std::vector<std::string> seen;
  for (pugi::xml_node parameter : call.children()) {
    seen.push_back(Local(parameter) + "=" + parameter.text().get() + "@" + NamespaceUri(parameter));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"username=sammler@urn:RegisterService", "password=<&>@urn:RegisterService",
                                            "Programm=Korvexia@", "version=3.1.3 BETA@urn:RegisterService"}));
  EXPECT_EQ(request.find("xsi:type"), std::string::npos);
}

TEST(SoapEnvelopeTest, EncodedRequestTypesItsTexts) {
  const std::string request = BuildRequestEnvelope(ReadServiceDescription(kRpcWsdl, "getRecentVersion"), kArguments);
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(request.c_str()));
  const pugi::xml_node call = doc.document_element().first_child().first_child();
  EXPECT_EQ(NamespaceUri(call), "urn:RegisterService");
  int typed = 0;
  for (pugi::xml_node parameter : call.children()) {
    EXPECT_EQ(NamespaceUri(parameter), "") << parameter.name();
    typed += std::string(parameter.attribute("xsi:type").value()) == "xsd:string";
  }
  EXPECT_EQ(typed, 4);
}

TEST(SoapEnvelopeTest, ParametersAndArgumentsMustMatch) {
  const SoapOperation op = ReadServiceDescription(kDocumentWsdl, "getRecentVersion");
  std::map<std::string, std::string> missing = kArguments;
  missing.erase("version");
  EXPECT_THROW(BuildRequestEnvelope(op, missing), EOnlineService);
  std::map<std::string, std::string> extra = kArguments;
  extra["lizenz"] = "x";
  EXPECT_THROW(BuildRequestEnvelope(op, extra), EOnlineService);
}

TEST(SoapEnvelopeTest, ReadsTheOneTextResult) {
  EXPECT_EQ(ReadSingleTextResult(R"(<e:Envelope xmlns:e="http://schemas.xmlsoap.org/soap/envelope/"><e:Body>)"
                                 R"(<t:getRecentVersionResponse xmlns:t="urn:RegisterService"><t:result>)"
                                 R"({"Version":"3.1.3 &amp; mehr"}</t:result></t:getRecentVersionResponse>)"
                                 R"(</e:Body></e:Envelope>)"),
            R"({"Version":"3.1.3 & mehr"})");
  EXPECT_EQ(ReadSingleTextResult(R"(<Envelope xmlns="http://schemas.xmlsoap.org/soap/envelope/"><Body><r>)"
                                 R"(<return><![CDATA[{"a":1}]]></return></r></Body></Envelope>)"),
            R"({"a":1})");
}

TEST(SoapEnvelopeTest, FaultsAndOtherAnswersAreFailures) {
  try {
    ReadSingleTextResult(R"(<e:Envelope xmlns:e="http://schemas.xmlsoap.org/soap/envelope/"><e:Body><e:Fault>)"
                         R"(<faultcode>e:Server</faultcode><faultstring>Wartung</faultstring></e:Fault></e:Body>)"
                         R"(</e:Envelope>)");
    FAIL() << "a fault must throw";
  } catch (const ESoapFault& fault) {
    EXPECT_EQ(fault.code(), "e:Server");
    EXPECT_EQ(fault.text(), "Wartung");
  }
  for (const char* answer :
       {"", "<html/>", R"(<e:Envelope xmlns:e="urn:falsch"><e:Body><a><b>x</b></a></e:Body></e:Envelope>)",
        R"(<e:Envelope xmlns:e="http://schemas.xmlsoap.org/soap/envelope/"><e:Body/></e:Envelope>)",
        R"(<e:Envelope xmlns:e="http://schemas.xmlsoap.org/soap/envelope/"><e:Body><a>x</a></e:Body></e:Envelope>)"}) {
    EXPECT_THROW(ReadSingleTextResult(answer), EOnlineService) << answer;
  }
}

}  // namespace
}  // namespace korvex
