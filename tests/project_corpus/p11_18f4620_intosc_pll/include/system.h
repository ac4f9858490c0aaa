/*
 * system.h
 * Internal 8 MHz block with the software 4x PLL: 32 MHz.
 */
#ifndef SYSTEM_H
#define SYSTEM_H

#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 32000000

void clock_init(void);

#endif
