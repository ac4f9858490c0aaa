#ifndef UART_H
#define UART_H

#define SYS_FREQ 8000000UL      /* FRC, no PLL */
#define PB_FREQ  8000000UL      /* FPBDIV = DIV_1 */

void uart_init(void);
void uart_write(const char *s);

#endif
