/*
 * system.h - dsPIC33FJ128GP802 audio board
 * FRC 7.37 MHz, PLL M = 43, N1 = 2, N2 = 2: Fosc = 79.2275 MHz
 */
#ifndef SYSTEM_H
#define SYSTEM_H

#define FCY 39613750UL          /* Fosc / 2 */

#include <xc.h>
#include <libpic30.h>
#include <stdint.h>

void clock_init(void);
void uart1_init(void);
void uart1_putc(char c);
void uart1_puts(const char *s);

#endif
