#include "workbench_ui/qt_workbench_hosts.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>

#include "core/text.h"
#include "ui/qt_desktop.h"

namespace brg::workbench_ui {
namespace {

// The project's organisation and the program: $XDG_CONFIG_HOME/quorvelkelvo/spbrg-workbench.conf.
constexpr const char* kOrganisation = "quorvelkelvo";
constexpr const char* kApplication = "spbrg-workbench";

}  // namespace

bool QtWorkbenchHosts::Put(std::string_view text) {
  return ui::PutOnClipboard(text);
}

std::optional<workbench::KeptValues> QtWorkbenchHosts::Load() {
  QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
  if (!settings.contains(QStringLiteral("osc"))) {
    return std::nullopt;
  }
  workbench::KeptValues kept;
  kept.part = settings.value(QStringLiteral("part")).toString().toStdString();
  kept.uart = settings.value(QStringLiteral("uart"), 1).toInt();
  kept.oscMHz = settings.value(QStringLiteral("osc")).toString().toStdString();
  for (const QString& rate : settings.value(QStringLiteral("rates")).toStringList()) {
    if (std::optional<double> baud = PlainDecimal(rate.toStdString())) {
      kept.tickedRates.push_back(*baud);
    }
  }
  kept.extraRates = settings.value(QStringLiteral("otherRates")).toString().toStdString();
  return kept;
}

void QtWorkbenchHosts::Save(const workbench::KeptValues& values) {
  QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
  settings.setValue(QStringLiteral("part"), ui::FromUtf8(values.part));
  settings.setValue(QStringLiteral("uart"), values.uart);
  settings.setValue(QStringLiteral("osc"), ui::FromUtf8(values.oscMHz));
  QStringList rates;
  for (double baud : values.tickedRates) {
    rates << ui::FromUtf8(PlainNumber(baud));
  }
  settings.setValue(QStringLiteral("rates"), rates);
  settings.setValue(QStringLiteral("otherRates"), ui::FromUtf8(values.extraRates));
}

Separators QtWorkbenchHosts::CurrentSeparators() const {
  return ui::SeparatorsOf(QLocale());  // the system's, unless a test sets another as the default
}

}  // namespace brg::workbench_ui
