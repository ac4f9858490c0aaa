#include "workbench_ui/command_line.h"

#include <QCommandLineParser>

namespace brg::workbench_ui {

CommandLine ReadCommandLine(const QStringList& arguments, const std::string& headerDir) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("The SPBRG workbench: every mode of a PIC part's serial port for a clock and "
                     "a set of rates, the code for a setting, the clock search and the setup "
                     "checker in one window."));
  QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                          QStringLiteral("Show this help and end."));
  QCommandLineOption version(QStringLiteral("version"),
                             QStringLiteral("Show the version and end."));
  QCommandLineOption device(QStringLiteral("device"),
                            QStringLiteral("The part, as 16F1829 or PIC18F47Q43."),
                            QStringLiteral("PART"));
  QCommandLineOption osc(QStringLiteral("osc"),
                         QStringLiteral("The oscillator Fosc in MHz, a plain decimal number."),
                         QStringLiteral("MHZ"));
  QCommandLineOption baud(QStringLiteral("baud"),
                          QStringLiteral("A wanted baud rate; repeat it, or give more rates "
                                         "after it."),
                          QStringLiteral("RATE"));
  parser.addOptions({help, version, device, osc, baud});
  parser.addPositionalArgument(QStringLiteral("RATE"), QStringLiteral("More wanted baud rates."),
                               QStringLiteral("[RATE...]"));
  CommandLine line;
  if (!parser.parse(arguments)) {
    line.error = parser.errorText().toStdString() + " (see spbrg-workbench --help)";
    return line;
  }
  if (parser.isSet(help)) {
    // Read before the application exists, when Qt cannot name the program itself.
    line.output =
        parser.helpText()
            .replace(QStringLiteral("<executable_name>"), QStringLiteral("spbrg-workbench"))
            .toStdString();
    return line;
  }
  if (parser.isSet(version)) {
    line.output = "spbrg-workbench " SPBRG_VERSION "\n";
    return line;
  }
  if (parser.isSet(device)) {
    line.request.part = parser.value(device).toStdString();
  }
  if (parser.isSet(osc)) {
    line.request.oscMHz = parser.value(osc).toStdString();
  }
  for (const QString& rate : parser.values(baud) + parser.positionalArguments()) {
    line.request.rates.push_back(rate.toStdString());
  }
  line.error = workbench::StartProblem(line.request, headerDir);
  return line;
}

}  // namespace brg::workbench_ui
