// What the setup readers of every language record while they read: register writes (whole,
// compound and single bits) under the names the port knows, the clock and the rates the source
// names, the expressions worked out, and what reading itself finds. One home for how a write
// changes a register, so that C, BASIC and assembly agree.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/check/setup_source.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// How good a rate's source is: the lower, the better.
enum class RateSource {
  NameInTheRateExpression,    // BAUD in SPBRG = _XTAL_FREQ/16/BAUD - 1
  CallSite,                   // UART_Init(9600) for SPBRG = ... baud ...
  RateDefine,                 // DEFINE HSER_BAUD 9600
  NumberInTheRateExpression,  // 115200 in U1BRG = PBCLK / (16 * 115200) - 1
  RateName,                   // #define BAUD_RATE 9600 used nowhere in the rate register
  Comment,                    // "9600 baud" in a comment
};

class SetupRecorder {
 public:
  // `followed`: registers of the part besides the port's, kept apart from the port's.
  SetupRecorder(const SerialPort& port, SourceFacts& facts,
                const FollowedRegisters* followed = nullptr);

  std::optional<std::size_t> RegisterNamed(std::string_view name) const;

  // A whole-register write, = or a compound |=, &=, ^=; false when the name is no register of
  // the port. `intended` is the value before the source narrowed it.
  bool Write(std::string_view name, std::int64_t value, char op, int line,
             std::optional<std::int64_t> intended = std::nullopt);

  // A write of a value that cannot be worked out: the register is set up, to what is unknown.
  bool WriteUnknown(std::string_view name, int line);

  enum class BitWrite { NoRegister, Written, NoSuchBit, TooWide };
  // REGbits.BIT, REG.BIT, REG.3, bsf REG,BIT: `bit` a name or a number.
  BitWrite WriteBit(std::string_view reg, std::string_view bit, bool set, int line);
  // REGbits.FIELD = value: a bit or a field of several (U1CON0bits.MODE = 0b0000), or a bit by
  // number; TooWide when the value does not fit the field.
  BitWrite WriteField(std::string_view reg, std::string_view field, std::int64_t value, int line);
  // The same as a source line writes it, `target` = `text` worked out to `value` (nothing when
  // it cannot be): what cannot be done is a finding; the register counts as set up either way.
  void AssignField(std::string_view reg, std::string_view field, std::string_view target,
                   std::string_view text, std::optional<std::int64_t> value, int line);
  // BRGH = 1: a bit name alone, as XC8 and HI-TECH C define them; false when no register of
  // the port has one bit of that name.
  bool WriteBareBit(std::string_view bit, bool set, int line);

  // A comment over a whole-register write, as the vendor's configurator writes one: "BRGS high
  // speed; MODE Asynchronous 8-bit mode; ON enabled; " or "BRGL 138; ". The value of a rate
  // register and each bit that selects the mode it states, in a number or a word (enabled,
  // disabled, high speed, ...), are checked against the value `reg` receives on `line`; one
  // that differs is a fault.
  void StatedInComment(std::string_view comment, int commentLine, std::string_view reg,
                       std::int64_t value, int line);

  // A write to one of the followed registers (OSCCON = 0x70, OSCCONbits.IRCF = 14, bsf
  // OSCCON,SPLLEN, ANSELB = 0); false when `name` is none of them or `field` none of its fields.
  bool WriteFollowed(std::string_view name, std::int64_t value, char op, int line);
  bool WriteFollowedField(std::string_view reg, std::string_view field, std::int64_t value,
                          int line);
  // A configuration setting: FOSC = INTOSC; or a configuration word's token, _FOSC_INTOSC.
  void Config(std::string_view name, std::string_view value, int line);
  void ConfigToken(std::string_view token, int line, std::string_view word = {});
  // The operands of a configuration word: "_CONFIG1, _FOSC_INTOSC & _WDTE_OFF", or the tokens
  // alone; the word's name or address where two operands are given.
  void ConfigOperands(std::string_view operands, int line);
  // A line of the assemblers (and of the BASIC compiler's #CONFIG blocks) that sets
  // configuration words: __CONFIG _CONFIG1, _FOSC_INTOSC & _WDTE_OFF; CONFIG FOSC = INTOSC.
  // False for any other line.
  bool ConfigDirective(std::string_view code, int line);

  // The value of a name that tells a register's bits: the field REG.FIELD or REGbits.FIELD as
  // the source has set it so far, and the compilers' constants _REG_FIELD_MASK, _POSITION,
  // _POSN, _LENGTH and _SIZE.
  std::optional<std::int64_t> FieldValue(std::string_view name) const;

  // A write to the port's transmit register (TXREG, U1TXB, U1TXREG): the code sends; false
  // when `name` is none.
  bool Sends(std::string_view name, int line);
  // The code sends by other means: XC16's printf, whose stdout is UART1.
  void SendsBy(const std::string& what, int line);

  // The value a register holds at this point of the source, if it was written.
  std::optional<std::int64_t> Current(std::size_t reg) const;

  void Rate(double baud, int line, RateSource source, const std::string& from);
  // A rate named in the comment of `line`: `comment`, which may be code put out of use.
  void CommentRate(double baud, int line, std::string_view comment);
  void Clock(double mhz, int line, const std::string& from);
  void Working(int line, const std::string& text);
  void Add(int line, FindingKind kind, const std::string& message);

  // Chooses the rate: a named or called rate, else the comment on the rate register's line,
  // then on the line above it, then the first comment.
  void Finish();

  SourceFacts& facts() { return facts_; }

 private:
  // A bit that selects the port's mode: BRGH, BRG16, SYNC, BRGS, BCLKMOD.
  bool ModeBit(std::string_view name) const;
  // A note for the first comment that names another rate than the code's.
  void NoteCommentsThatDiffer();
  // The register is set up, its value as it was.
  void Touch(std::string_view reg, int line);

  const PortRegister* FollowedRegister(std::string_view name) const;

  const SerialPort& port_;
  SourceFacts& facts_;
  const FollowedRegisters* followed_;
  // The followed register `reg` as written so far, from its reset value.
  WrittenRegister& Followed(const PortRegister& reg);
  std::optional<std::pair<RateSource, Named>> rate_;
  std::vector<Named> commentRates_;
  std::vector<int> codeInComments_;  // the lines of comments that hold code: // #define BAUD 19200
};

}  // namespace brg::engine
