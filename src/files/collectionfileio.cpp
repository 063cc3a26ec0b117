#include "files/collectionfileio.h"

#include <filesystem>
#include <new>

#include "files/fileerrors.h"
#include "files/readlimits.h"
#include "files/safefilewrite.h"
#include "files/xmlcollection.h"
#include "files/ziparchive.h"
#include "model/codepage.h"
#include "model/paths.h"
#include "model/textcompare.h"
#include "platform/filebytes.h"

namespace korvex {
namespace {

const char* const kEntryName = "mints.xml";
constexpr int kPasswordAttempts = 3;

const char* const kCannotLoad =
    "Datei konnte nicht geladen werden. Entweder ist sie nicht vorhanden oder derzeit "
    "lesegeschützt.";
const char* const kUncompressedPasswordQuestion =
    "HINWEIS: Nur komprimierte Dateien können passwortgeschützt gespeichert werden! Sie haben "
    "jedoch die unkomprimierte Speicherung ausgewählt. In diesem Fall ist kein Passwortschutz "
    "aktiv.\n\r\n\rSoll jetzt ohne Passwortschutz gespeichert werden?";
const char* const kNotSaved =
    "ACHTUNG! Die Daten wurden NICHT gespeichert. Um die Daten mit Passwortschutz abzuspeichern, "
    "wählen Sie bitte im \"Datei\"-Menü den Punkt \"Speichern unter\" und als Dateiart \"Korvex "
    "komprimiert\"!";
const char* const kLegacyConverted = "Die Datei wird im aktuellen Dateiformat gespeichert!";

std::string ReadPlainFile(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(NativePath(path), error);
  if (!error && size > read_limits::kMaxDocumentBytes) throw EPassword(kNotACollectionFile);
  FileBytes file = ReadWholeFile(NativePath(path));
  if (!file.ok()) throw EPassword(kCannotLoad);
  return std::move(file.bytes);
}

// The XML text of an archive's "mints.xml". An encrypted entry is tried with the passwords the
// user gives; the one that works becomes the document's password.
std::string ReadArchiveEntry(CollectionDocument& doc, const std::string& path,
                             PasswordPrompt& passwords) {
  const ZipReader archive(NativePath(path));
  if (!archive.IsEncrypted(kEntryName)) return archive.Read(kEntryName, doc.password());
  const std::string shown_name = Win1252ToUtf8(FileTitleOf(path) + ExtensionOf(path));
  for (int attempt = 0; attempt < kPasswordAttempts; ++attempt) {
    const std::optional<std::string> answer = passwords.AskPassword(shown_name);
    if (!answer || answer->empty()) break;
    doc.SetPassword(*answer);
    try {
      return archive.Read(kEntryName, *answer);
    } catch (const EZipError& error) {
      if (error.kind() != EZipError::Kind::kWrongPassword) throw;
    }
  }
  throw EZipError(EZipError::Kind::kWrongPassword, kWrongPasswordText);
}

std::string ContainerBytes(std::string xml, const CollectionDocument& doc) {
  if (!doc.compressed) return xml;
  ZipWriter archive(doc.password());
  archive.AddBuffer(kEntryName, xml);
  return archive.Finish();
}

// A document read from a legacy data file is saved as a ".mvc" file beside it.
void ConvertLegacyDocument(CollectionDocument& doc, MessageService& messages) {
  messages.Information(kLegacyConverted);
  const std::string path = SavePathOf(doc);
  doc.legacy_version = 0;
  doc.SetFileName(path);
  doc.compressed = true;
}

}  // namespace

bool IsCompressedCollectionPath(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  return EqualAsciiUpper(extension, ".mvc") || EqualAsciiUpper(extension, ".mvv");
}

std::string PreviousVersionPath(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  return path.substr(0, path.size() - extension.size()) + ".alteversion" + extension;
}

XmlReadReport ReadCollectionFile(CollectionDocument& doc, const std::string& path,
                                 PasswordPrompt& passwords, Progress& progress) {
  doc.SetPassword("");
  try {
    std::string xml = IsCompressedCollectionPath(path) ? ReadArchiveEntry(doc, path, passwords)
                                                       : ReadPlainFile(path);
    return ReadCollectionXml(doc, xml, progress);
  } catch (const EPassword&) {
    throw;
  } catch (const EZipError& error) {
    switch (error.kind()) {
      case EZipError::Kind::kCannotOpen: throw EPassword(kCannotLoad);
      case EZipError::Kind::kWrongPassword: throw EPassword(kWrongPasswordText);
      default: throw EPassword(kNotACollectionFile);
    }
  } catch (const EKorvexError&) {
    // Not XML, the wrong document element, missing parts, invalid numbers: the content is
    // damaged, which the password message would misreport.
    throw EPassword(kNotACollectionFile);
  } catch (const std::exception&) {
    // A document within the read limits can still exceed the memory at hand.
    throw EPassword(kNotACollectionFile);
  }
}

bool OpenCollectionFile(CollectionDocument& doc, const std::string& path, FileServices& services,
                        bool read_only) {
  doc.ClearContent();
  doc.SetWritable(true);
  doc.SetModified(false);
  doc.legacy_version = 0;
  doc.from_template = false;
  doc.SetFileName(path);
  doc.has_name = true;
  doc.compressed = IsCompressedCollectionPath(path);
  int rescued = 0;
  try {
    rescued = ReadCollectionFile(doc, path, services.passwords, services.progress).rescued_coins;
  } catch (const EPassword& error) {
    doc.ClearFileName();
    doc.SetPassword("");
    doc.RebuildDisplayOrder();
    services.messages.Error(error.message());
    return false;
  }
  if (EqualAsciiUpper(ExtensionOf(path), ".mvv")) {
    doc.ClearFileName();
    doc.from_template = true;
  }
  doc.RebuildDisplayOrder();
  doc.SetWritable(!read_only);
  if (rescued > 0) services.messages.Error(kCorruptDataText);
  return true;
}

std::string SavePathOf(const CollectionDocument& doc) {
  if (doc.legacy_version == 0) return doc.file_path();
  return DirectoryOf(doc.file_path()) + doc.file_title() + ".mvc";
}

bool SaveCollectionFile(CollectionDocument& doc, MessageService& messages, Progress& progress) {
  if (!doc.has_name) return false;
  // The conversion comes first: it makes the file compressed, so a password needs no refusal.
  if (doc.legacy_version != 0) ConvertLegacyDocument(doc, messages);
  if (!doc.password().empty() && !doc.compressed &&
      !messages.AskYesNo(kUncompressedPasswordQuestion)) {
    messages.Error(kNotSaved);
    doc.SetModified(true);
    return false;
  }
  try {
    const std::string bytes = ContainerBytes(WriteCollectionXml(doc, progress), doc);
    ReplaceFile(NativePath(doc.file_path()), bytes, NativePath(PreviousVersionPath(doc.file_path())));
  } catch (const EKorvexError& error) {
    messages.Error(error.message());
    doc.SetModified(true);
    return false;
  } catch (const std::bad_alloc&) {
    messages.Error("Nicht genügend Arbeitsspeicher, um die Datei zu speichern.");
    doc.SetModified(true);
    return false;
  }
  doc.SetModified(false);
  return true;
}

}  // namespace korvex
