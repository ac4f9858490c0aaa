/*
 * system.h - PIC24FJ64GA002 breadboard
 * FRC 8 MHz x 4 PLL = 32 MHz, FCY = 16 MIPS
 */
#ifndef SYSTEM_H
#define SYSTEM_H

#define FCY 16000000UL

#include <xc.h>
#include <libpic30.h>       /* __delay_ms() needs FCY */
#include <stdint.h>

#define BAUDRATE 9600
#define BRGVAL   ((FCY/BAUDRATE)/16)-1

void uart1_init(void);
void uart1_putc(char c);
char uart1_getc(void);

#endif
