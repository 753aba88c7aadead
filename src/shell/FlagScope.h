#pragma once
// Sets a flag for as long as it is in scope; the flag's earlier value comes
// back on leaving it, however it is left.

class TFlagScope {
 public:
  explicit TFlagScope(bool& Flag) : FFlag(Flag), FSaved(Flag) { FFlag = true; }
  ~TFlagScope() { FFlag = FSaved; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FSaved;
};
