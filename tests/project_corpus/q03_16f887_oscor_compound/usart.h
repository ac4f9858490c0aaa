#ifndef USART_H
#define USART_H
void usart_setup(void);
void usart_send(unsigned char c);
#endif
