#ifndef SYS_H
#define SYS_H

#define SYS_FREQ   40000000UL

void uart1_init(unsigned int baud);
void uart1_putc(char c);

#endif
