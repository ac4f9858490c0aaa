#ifndef HW_H
#define HW_H

#define FOSC        8000000UL
#define _XTAL_FREQ  FOSC

void uart_init(unsigned long baud);
void uart_write(unsigned char b);
unsigned char uart_read(void);

#endif
