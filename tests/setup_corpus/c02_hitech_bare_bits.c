/* HI-TECH C PRO for the PIC10/12/16 MCU family - PIC16F628A */
#include <htc.h>

__CONFIG(HS & WDTDIS & PWRTEN & LVPDIS);

#define _XTAL_FREQ 20000000
#define BAUD       19200

void serial_setup(void)
{
	TRISB1 = 1;		/* RX */
	TRISB2 = 1;		/* TX, the USART drives it */
	SPBRG = ((_XTAL_FREQ/16)/BAUD) - 1;	/* ~19200 (19231) */
	BRGH = 1;
	SYNC = 0;
	SPEN = 1;
	CREN = 1;
	TXIE = 0;
	RCIE = 1;
	TXEN = 1;
}
