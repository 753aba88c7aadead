#pragma once
// While it lives, the skin layer's messages are collected instead of shown,
// so that the caller can say them once, in its own words and place.

#include <string>
#include <vector>

#include "skin/archive/SkinMessages.h"

class TSkinMessageCapture {
 public:
  TSkinMessageCapture()
      : FPrevious(
            SkinMessages::SetHandler([this](const std::string& Text) { FTexts.push_back(Text); })) {
  }
  ~TSkinMessageCapture() { SkinMessages::SetHandler(FPrevious); }
  TSkinMessageCapture(const TSkinMessageCapture&) = delete;
  TSkinMessageCapture& operator=(const TSkinMessageCapture&) = delete;

  bool Empty() const { return FTexts.empty(); }
  // The messages on one line each, with the line breaks inside them made spaces.
  std::string Joined(const char* Separator = "\n") const {
    std::string all;
    for (const std::string& text : FTexts) {
      if (!all.empty()) all += Separator;
      for (char c : text) all += c == '\r' || c == '\n' ? ' ' : c;
    }
    return all;
  }

 private:
  std::vector<std::string> FTexts;
  SkinMessages::THandler FPrevious;
};
