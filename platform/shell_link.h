// The shell link service: a link object holding the values of one shortcut file (the calls of
// IShellLinkA) and its file interface (IPersistFile). Texts are code page 932 bytes; file
// names are system paths.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// Result codes in the shell's form: 0 for success, negative for failure.
using HResult = std::int32_t;

constexpr HResult kSOk = 0;
constexpr HResult kEFail = static_cast<HResult>(0x80004005);
constexpr HResult kENoInterface = static_cast<HResult>(0x80004002);
constexpr HResult kEInvalidArg = static_cast<HResult>(0x80070057);
constexpr HResult kEFileNotFound = static_cast<HResult>(0x80070002);
constexpr HResult kEPathNotFound = static_cast<HResult>(0x80070003);
constexpr HResult kEAccessDenied = static_cast<HResult>(0x80070005);
constexpr HResult kCoENotInitialized = static_cast<HResult>(0x800401F0);

// IPersistFile: the file side of a link object.
class PersistFile {
 public:
  virtual ~PersistFile() = default;
  // Writes the shortcut file whole; nothing is left behind on failure.
  virtual HResult Save(std::string_view fileName) = 0;
  // Replaces every value of the link object from the file.
  virtual HResult Load(std::string_view fileName) = 0;
};

// IShellLinkA: one value per call. The get calls return what the last Load (or set call) left.
class ShellLink {
 public:
  virtual ~ShellLink() = default;

  virtual void SetPath(std::string_view path) = 0;
  virtual void SetWorkingDirectory(std::string_view dir) = 0;
  virtual void SetShowCmd(std::int32_t showCmd) = 0;
  virtual void SetHotkey(std::uint16_t hotkey) = 0;
  virtual void SetIconLocation(std::string_view path, std::int32_t index) = 0;
  virtual void SetArguments(std::string_view args) = 0;

  // The target, the network (UNC) form first where the link holds one.
  virtual std::string GetPath() const = 0;
  virtual std::string GetWorkingDirectory() const = 0;
  virtual std::int32_t GetShowCmd() const = 0;
  virtual std::uint16_t GetHotkey() const = 0;
  virtual std::string GetIconLocation(std::int32_t& index) const = 0;
  virtual std::string GetArguments() const = 0;

  // QueryInterface for the file interface, which lives as long as this object.
  virtual HResult QueryPersistFile(PersistFile*& file) = 0;
};

class ShellLinkService {
 public:
  virtual ~ShellLinkService() = default;
  // CoInitialize and CoUninitialize: counted, one of each per user of the service.
  virtual void Initialize() = 0;
  virtual void Uninitialize() = 0;
  // CoCreateInstance of the link object.
  virtual HResult CreateShellLink(std::unique_ptr<ShellLink>& link) = 0;
};

}  // namespace platform
