#ifndef SYSTEM_H
#define SYSTEM_H

#include <xc.h>
#include <stdint.h>

/* CPU clock: internal oscillator, 8 MHz (used by __delay_ms and the UART) */
#define _XTAL_FREQ 8000000UL

#endif
