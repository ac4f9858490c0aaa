#ifndef UART1_H
#define UART1_H

#define BAUDRATE 115200UL
/* BRGH = 1: FCY / (4 * (BRG + 1)), rounded */
#define BRGVAL   (((FCY / 4UL) + (BAUDRATE / 2UL)) / BAUDRATE - 1UL)

void uart1_init(void);
void uart1_putc(char c);

#endif
