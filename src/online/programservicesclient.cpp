#include "online/programservicesclient.h"

#include <map>

#include "model/codepage.h"
#include "online/onlineerror.h"
#include "online/servicedescription.h"
#include "online/soapenvelope.h"

namespace korvex {
namespace {

void RequireSuccess(const HttpResponse& response, const std::string& what) {
  if (response.status != 200) throw EOnlineService(what + ": HTTP-Status " + std::to_string(response.status));
}

}  // namespace

ProgramServicesClient::ProgramServicesClient(std::string address, const HttpsTransport& transport)
    : address_(std::move(address)), transport_(transport) {}

std::string ProgramServicesClient::GetRecentVersion(const std::string& username, const std::string& password,
                                                    const std::string& program, const std::string& version) const {
  const HttpResponse description = transport_.Get(address_ + "?wsdl");
  RequireSuccess(description, "Dienstbeschreibung");
  const SoapOperation operation = ReadServiceDescription(description.body, "getRecentVersion");

  const std::map<std::string, std::string> arguments = {{"username", Win1252ToUtf8(username)},
                                                        {"password", Win1252ToUtf8(password)},
                                                        {"Programm", Win1252ToUtf8(program)},
                                                        {"version", Win1252ToUtf8(version)}};
  const HttpResponse answer = transport_.Post(operation.endpoint, BuildRequestEnvelope(operation, arguments),
                                              "text/xml; charset=utf-8", operation.soap_action);
  // SOAP 1.1 reports a fault with status 500 and the fault in the body.
  if (answer.status == 500) ReadSingleTextResult(answer.body);
  RequireSuccess(answer, "getRecentVersion");
  return ReadSingleTextResult(answer.body);
}

}  // namespace korvex
