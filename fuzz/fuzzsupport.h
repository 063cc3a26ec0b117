#pragma once

// What every fuzz target shares: the services the readers talk to the user through, answering
// without anybody there, and a scratch folder for readers that take a path.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "model/collectiondocument.h"
#include "platform/messages.h"
#include "platform/passwordprompt.h"

namespace korvex::fuzz {

// Answers every question with Yes (or the first button) and shows nothing.
class SilentMessages final : public MessageService {
 public:
  MessageAnswer Show(MessageKind, const std::string&, MessageButtons buttons,
                     const std::string&) override {
    ++shown;
    switch (buttons) {
      case MessageButtons::kYesNo:
      case MessageButtons::kYesNoCancel: return MessageAnswer::kYes;
      case MessageButtons::kAbortRetryIgnore: return MessageAnswer::kIgnore;
      case MessageButtons::kRetryCancel:
      case MessageButtons::kCancel: return MessageAnswer::kCancel;
      default: return MessageAnswer::kOk;
    }
  }
  int shown = 0;
};

// Types one password every time it is asked, or cancels when there is none; the legacy reader's
// question can be answered with "Schreib&geschützt" instead.
class FixedPassword final : public PasswordPrompt {
 public:
  explicit FixedPassword(std::optional<std::string> password, bool write_protected = false)
      : password_(std::move(password)), write_protected_(write_protected) {}
  std::optional<std::string> AskPassword(const std::string&) override { return password_; }
  PasswordAnswer AskPasswordOrWriteProtected(const std::string& name, bool offered) override {
    if (write_protected_ && offered) return {PasswordAnswer::Button::kWriteProtected, {}};
    return PasswordPrompt::AskPasswordOrWriteProtected(name, offered);
  }

 private:
  std::optional<std::string> password_;
  bool write_protected_;
};

// A folder of this process in memory-backed storage where one exists; removed at exit.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path base = "/dev/shm";
    std::error_code error;
    if (!std::filesystem::is_directory(base, error)) base = std::filesystem::temp_directory_path();
    std::filesystem::path made = base / ("korvex-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(made);
    return made;
  }();
  static struct Remover {
    ~Remover() {
      std::error_code error;
      std::filesystem::remove_all(folder, error);
    }
  } remover;
  return folder;
}

// Writes the input into the scratch folder under `name` and returns the path.
inline std::filesystem::path WriteScratchFile(const std::string& name, const uint8_t* data,
                                              size_t size) {
  const std::filesystem::path path = ScratchFolder() / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A finding that is no crash: a broken promise between two readers or a round trip.
[[noreturn]] inline void Mismatch(const char* what) {
  fprintf(stderr, "Widerspruch: %s\n", what);
  abort();
}

// What every reader promises of the document it leaves, read or failed: both orders hold the same
// `coin_count` records linked both ways, and every coin names an existing area.
inline void CheckDocument(const CollectionDocument& doc) {
  int32_t count = 0;
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next, ++count) {
    if (count > doc.coin_count) Mismatch("Sammlungsreihenfolge länger als coin_count");
    if (coin->next && coin->next->prev != coin) Mismatch("Sammlungsreihenfolge falsch verkettet");
    if (!doc.Area(coin->category)) Mismatch("Münze ohne Sammelgebiet");
  }
  if (count != doc.coin_count) Mismatch("coin_count");
  int32_t shown = 0;
  for (const TDaten* coin = doc.first_shown; coin; coin = coin->display_next, ++shown) {
    if (shown > doc.coin_count) Mismatch("Anzeigereihenfolge länger als coin_count");
    if (coin->display_next && coin->display_next->display_prev != coin) {
      Mismatch("Anzeigereihenfolge falsch verkettet");
    }
  }
  if (shown != doc.coin_count) Mismatch("Anzeigereihenfolge");
}

}  // namespace korvex::fuzz
