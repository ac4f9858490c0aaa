#include "core/brg_arithmetic.h"

#include <cmath>
#include <limits>

namespace brg {
namespace {

constexpr double kHzPerMHz = 1000000.0;
constexpr std::int32_t kHighSpeedDivisor = 16;
constexpr std::int32_t kLowSpeedDivisor = 64;

std::int32_t Divisor(bool brgh) {
  return brgh ? kHighSpeedDivisor : kLowSpeedDivisor;
}

double RequireFinite(double value) {
  if (!std::isfinite(value)) {
    throw ArithmeticFault();
  }
  return value;
}

// A zero divisor is a fault whatever the dividend (division by zero or zero by zero).
double Divide(double dividend, double divisor) {
  if (divisor == 0.0) {
    throw ArithmeticFault();
  }
  return RequireFinite(dividend / divisor);
}

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
  std::int32_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) {
    throw ArithmeticFault();
  }
  return sum;
}

std::int32_t CheckedMultiply(std::int32_t a, std::int32_t b) {
  std::int32_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) {
    throw ArithmeticFault();
  }
  return product;
}

}  // namespace

std::int32_t RoundHalfEvenToInt32(double x) {
  RequireFinite(x);
  double floor = std::floor(x);
  double fraction = x - floor;  // exact for every finite double
  double rounded = floor;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) {
    rounded = floor + 1.0;
  }
  if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    throw ArithmeticFault();
  }
  return static_cast<std::int32_t>(rounded);
}

std::int32_t EstimateSpbrg(double oscMHz, double wantedBaud, bool brgh) {
  double oscHz = RequireFinite(oscMHz * kHzPerMHz);
  double scaledBaud = RequireFinite(wantedBaud * Divisor(brgh));
  double quotient = Divide(oscHz, scaledBaud);
  double estimate = RequireFinite(quotient - 1.0);
  return RoundHalfEvenToInt32(estimate);
}

CandidateValues CandidateWindow(std::int32_t n) {
  std::int32_t lower = n >= 1 ? n - 1 : n;
  return {lower, n, CheckedAdd(n, 1)};
}

double CandidateBaud(double oscMHz, std::int32_t spbrg, bool brgh) {
  std::int32_t periods = CheckedMultiply(CheckedAdd(spbrg, 1), Divisor(brgh));
  double oscHz = RequireFinite(oscMHz * kHzPerMHz);
  return Divide(oscHz, static_cast<double>(periods));
}

double BaudErrorRatio(double actualBaud, double wantedBaud) {
  double difference = RequireFinite(actualBaud - wantedBaud);
  return Divide(difference, wantedBaud);
}

CandidateResults EvaluateWindow(std::int32_t n, double oscMHz, double wantedBaud, bool brgh) {
  CandidateValues values = CandidateWindow(n);
  CandidateResults results;
  for (std::size_t i = 0; i < values.size(); ++i) {
    double actual = CandidateBaud(oscMHz, values[i], brgh);
    results[i] = CandidateResult{values[i], actual, BaudErrorRatio(actual, wantedBaud)};
  }
  return results;
}

int ChooseCandidate(double e1, double e2, double e3) {
  double a1 = std::fabs(e1);
  double a2 = std::fabs(e2);
  double a3 = std::fabs(e3);
  if (a1 < a2) {
    return a3 < a1 ? 3 : 1;
  }
  return a3 < a2 ? 3 : 2;
}

}  // namespace brg
