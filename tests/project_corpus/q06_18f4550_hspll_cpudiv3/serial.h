#ifndef SERIAL_H
#define SERIAL_H
void serial_begin(unsigned long baud);
void serial_write(unsigned char b);
#endif
