/* board.h - sensor node, PIC18F47Q43 */
#ifndef BOARD_H
#define BOARD_H

#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 64000000UL   /* HFINTOSC at 64 MHz */

#define UART1_BAUD 115200UL

void clock_init(void);
void uart1_init(void);
void uart1_putc(uint8_t c);
void uart1_puts(const char *s);

#endif
