#ifndef TELEMETRY_H
#define TELEMETRY_H

#define FCY 4000000UL           /* FRC 8 MHz, Fcy = Fosc / 2 */

void telemetry_init(void);
void telemetry_send(const char *s);

#endif
