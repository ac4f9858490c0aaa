/*
 * system.h - PIC32MX170F256B on a breadboard (28-pin SPDIP)
 */
#ifndef SYSTEM_H
#define SYSTEM_H

#include <xc.h>
#include <stdint.h>

#define SYS_FREQ 40000000UL     /* SYSCLK; FPBDIV = DIV_1 so PBCLK is the same */

void uart1_init(void);
void uart1_putc(char c);
void uart1_puts(const char *s);
int uart1_getc(void);

#endif
