/*
 * hardware.h
 * PIC16F88 on a breadboard, no crystal.
 */
#ifndef HARDWARE_H
#define HARDWARE_H

#include <xc.h>

#define _XTAL_FREQ 8000000      // 8 MHz internal RC

#define LED     PORTAbits.RA0
#define LED_TRIS TRISAbits.TRISA0

#endif
