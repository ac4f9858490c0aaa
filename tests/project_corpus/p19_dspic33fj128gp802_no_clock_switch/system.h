/*
 * system.h - dsPIC33FJ128GP802 telemetry node
 * Internal FRC + PLL: 79.2275 MHz, 39.6 MIPS
 */
#ifndef SYSTEM_H
#define SYSTEM_H

#define FCY 39613750UL

#include <xc.h>
#include <libpic30.h>
#include <stdint.h>

#define BAUDRATE 9600
#define BRGVAL   ((FCY/BAUDRATE)/16)-1

void uart1_init(void);
void uart1_putc(char c);
int uart1_getc(void);

#endif
