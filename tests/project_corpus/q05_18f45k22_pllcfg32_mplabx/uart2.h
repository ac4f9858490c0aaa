#ifndef UART2_H
#define UART2_H

#define _XTAL_FREQ 32000000UL
#define UART2_BAUD 115200UL

void uart2_open(void);
void uart2_putc(char c);
char uart2_getc(void);

#endif
