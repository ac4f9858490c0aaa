#ifndef SERIAL_H
#define SERIAL_H

void serial_init(void);
void serial_send(unsigned char c);
void serial_print(const char *s);
unsigned char serial_ready(void);
unsigned char serial_get(void);

#endif
